// Every answer is heard: answers go through the real sound player (the plugin the program
// loads) into a PulseAudio null sink whose monitor is recorded (tests/support/privato
// --registra sets that up), and the recording is read back. Forty answers in a row are heard in
// order, each cut off by the next; queued sounds follow each other whole; the answers are heard
// again after the server restarts, starts late or stands still; a player lets go at once while
// the server stands still; the program's own player, asked before its plugin has loaded, is
// heard and lets the program quit cleanly; and the voice of the exercises is heard as a child
// hears it.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <sndfile.h>
#include <vector>

#include "support/Aiuto.h"

#include "screens/detective/FormDetective.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Percorsi.h"
#include "services/PluginSuono.h"
#include "services/Voce.h"

namespace {

constexpr int Fs = PluginSuono::Frequenza;
constexpr int FinestraAnalisi = Fs / 100;  // 10 ms: 5 whole periods of the low tone, 12 of the high one
constexpr int Risposte = 40;
constexpr int Intervallo = 150;  // ms between answers: shorter than a sound, so each is cut off
constexpr int DurataSuono = 400;  // ms
constexpr double Toni[2] = {500.0, 1200.0};
// A window counts as sounding when one tone reaches this amplitude (the tones peak near 14745).
constexpr double SogliaTono = 1500.0;
// Held up longer than this, a run shows the machine's hiccup rather than the player's work.
constexpr int SogliaInceppo = 40;

int Ms(qint64 campioni) { return int(campioni * 1000 / Fs); }

// Amplitude of one frequency in a block of samples (Goertzel).
double Ampiezza(const int16_t* x, int n, double frequenza)
{
    const double c = 2.0 * std::cos(2.0 * std::numbers::pi * frequenza / Fs);
    double s1 = 0, s2 = 0;
    for (int i = 0; i < n; ++i) {
        const double s0 = x[i] + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return 2.0 * std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - c * s1 * s2)) / n;
}

std::vector<short> Tono(double frequenza, int ms)
{
    std::vector<short> v(size_t(Fs) * size_t(ms) / 1000);
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = short(std::lround(0.45 * 32767.0 * std::sin(2.0 * std::numbers::pi * frequenza * double(i) / Fs)));
    return v;
}

bool ScriviWav(const QString& percorso, const std::vector<short>& campioni, int frequenza = Fs, int canali = 1)
{
    SF_INFO info{};
    info.samplerate = frequenza;
    info.channels = canali;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(QFile::encodeName(percorso).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    const sf_count_t fotogrammi = sf_count_t(campioni.size()) / canali;
    const bool ok = sf_writef_short(f, campioni.data(), fotogrammi) == fotogrammi;
    sf_close(f);
    return ok;
}

// Runs the event loop, as the program would between two answers.
void Attendi(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, Qt::PreciseTimer, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

QString Registrazione() { return qEnvironmentVariable("BUSSOLINO_REGISTRAZIONE"); }
qint64 Registrati() { return QFileInfo(Registrazione()).size() / 2; }

std::vector<int16_t> Leggi()
{
    QFile f(Registrazione());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray dati = f.readAll();
    std::vector<int16_t> r(size_t(dati.size() / 2));
    std::memcpy(r.data(), dati.constData(), r.size() * 2);
    return r;
}

struct Segmento {
    int tono;           // index into Toni
    int inizio;         // first window
    int suonanti = 1;   // windows that sound, leaving out any gap inside
    int durataMs() const { return suonanti * 10; }
};

struct Analisi {
    std::vector<Segmento> segmenti;
    int silenzioMassimoMs = 0;  // between the first and the last sound: longest silence
    int silenzioTotaleMs = 0;   // and all of them together
    QString descrizione;        // every sound as tone@start/length
};

// Finds the sounds in the recording from sample `da` on; windows count from there.
Analisi Analizza(const std::vector<int16_t>& r, qint64 da)
{
    Analisi a;
    const int finestre = int((qint64(r.size()) - da) / FinestraAnalisi);
    int silenzio = 0;
    for (int w = 0; w < finestre; ++w) {
        const int16_t* x = r.data() + da + qint64(w) * FinestraAnalisi;
        const double basso = Ampiezza(x, FinestraAnalisi, Toni[0]);
        const double alto = Ampiezza(x, FinestraAnalisi, Toni[1]);
        if (std::max(basso, alto) < SogliaTono) {
            ++silenzio;
            continue;
        }
        const int tono = alto > basso ? 1 : 0;
        if (!a.segmenti.empty() && silenzio > 0) {
            a.silenzioMassimoMs = std::max(a.silenzioMassimoMs, silenzio * 10);
            a.silenzioTotaleMs += silenzio * 10;
        }
        if (!a.segmenti.empty() && a.segmenti.back().tono == tono)
            ++a.segmenti.back().suonanti;  // a gap inside one sound still leaves one sound
        else
            a.segmenti.push_back({tono, w});
        silenzio = 0;
    }
    QStringList parti;
    for (const Segmento& s : a.segmenti)
        parti << QStringLiteral("%1Hz@%2ms/%3ms").arg(Toni[s.tono]).arg(s.inizio * 10).arg(s.durataMs());
    a.descrizione = parti.join(QLatin1Char(' '));
    return a;
}

// Where the recording from `da` on sounds at all (speech, not only the test tones), in 10 ms
// windows: [first, last] of each stretch, stretches closer than 300 ms joined.
std::vector<std::pair<int, int>> parlato(const std::vector<int16_t>& r, qint64 da)
{
    std::vector<std::pair<int, int>> tratti;
    for (int w = 0; qint64(w + 1) * FinestraAnalisi <= qint64(r.size()) - da; ++w) {
        double e = 0;
        for (int i = 0; i < FinestraAnalisi; ++i)
            e += double(r[size_t(da + qint64(w) * FinestraAnalisi + i)]) * r[size_t(da + qint64(w) * FinestraAnalisi + i)];
        if (std::sqrt(e / FinestraAnalisi) < 300)  // about -40 dBFS
            continue;
        if (!tratti.empty() && w - tratti.back().second <= 30)
            tratti.back().second = w;
        else
            tratti.push_back({w, w});
    }
    return tratti;
}

int durataMs(const QString& file) { return Ms(PluginSuono::decodifica(file).size() / 2); }

}  // namespace

class TestSuonoRegistrato : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    QString toni[2];

    // Plays forty answers through a fresh player and judges the recording of them: empty when
    // every answer was heard as it should be. `inceppo`: the longest the machine held up the
    // program or the sound server.
    QString suonaQuaranta(int& inceppo)
    {
        // Ticks every 5 ms while playing: a long gap means the program itself was held up.
        QElapsedTimer orologio;
        qint64 ultimoBattito = 0, buco = 0;
        QTimer sentinella;
        sentinella.setTimerType(Qt::PreciseTimer);
        connect(&sentinella, &QTimer::timeout, [&] {
            buco = std::max(buco, orologio.elapsed() - ultimoBattito - 5);
            ultimoBattito = orologio.elapsed();
        });

        const auto lettore = PluginSuono::nuovoLettore();
        std::vector<qint64> segni, istanti;  // recording length and clock when each answer was asked for
        orologio.start();
        sentinella.start(5);
        for (int i = 0; i < Risposte; ++i) {
            segni.push_back(Registrati());
            istanti.push_back(orologio.elapsed());
            lettore->suona(toni[i % 2]);
            Attendi(i + 1 < Risposte ? Intervallo : 0);
        }
        // Let the last one finish and the recorder catch up, still feeding the stream.
        const qint64 voluti = segni.back() + qint64(Fs) * (DurataSuono + 600) / 1000;
        const qint64 limite = orologio.elapsed() + 5000;
        while (Registrati() < voluti && orologio.elapsed() < limite)
            Attendi(50);
        sentinella.stop();

        // The recording grows with the sound server's clock: where it falls behind the
        // program's clock, the server (or the recorder) was held up.
        qint64 ritardoServer = 0;
        for (int i = 1; i < Risposte; ++i)
            ritardoServer = std::max(ritardoServer, std::abs(istanti[size_t(i)] - istanti[size_t(i) - 1] -
                                                             Ms(segni[size_t(i)] - segni[size_t(i) - 1])));
        inceppo = int(std::max(buco, ritardoServer));

        const std::vector<int16_t> r = Leggi();
        if (qint64(r.size()) < voluti)
            return QStringLiteral("the recording stopped growing at %1 ms").arg(Ms(qint64(r.size())));
        const Analisi a = Analizza(r, segni[0]);
        const std::vector<Segmento>& s = a.segmenti;
        if (int(s.size()) != Risposte)
            return QStringLiteral("%1 sounds heard of %2 played: %3").arg(s.size()).arg(Risposte).arg(a.descrizione);
        int ritardoMin = 1000, ritardoMax = -1000, cortoMin = 1000, cortoMax = 0;
        for (int i = 0; i < Risposte; ++i) {
            // Each answer is heard soon after it was asked for (give or take the 10 ms window) and
            // sounds until the next one cuts it off; the last plays out whole.
            const int ritardo = Ms(segni[0] + qint64(s[size_t(i)].inizio) * FinestraAnalisi - segni[size_t(i)]);
            const int durata = s[size_t(i)].durataMs();
            ritardoMin = std::min(ritardoMin, ritardo);
            ritardoMax = std::max(ritardoMax, ritardo);
            const QString qui = QStringLiteral("sound %1 ").arg(i + 1);
            if (s[size_t(i)].tono != i % 2)
                return qui + QStringLiteral("is the wrong tone: ") + a.descrizione;
            if (ritardo < -10 || ritardo > 250)
                return qui + QStringLiteral("was heard %1 ms after it was asked for: %2").arg(ritardo).arg(a.descrizione);
            if (i + 1 == Risposte) {
                if (std::abs(durata - DurataSuono) > 20)
                    return qui + QStringLiteral("(the last) lasted %1 ms: %2").arg(durata).arg(a.descrizione);
                continue;
            }
            const int turno = int(istanti[size_t(i) + 1] - istanti[size_t(i)]);
            cortoMin = std::min(cortoMin, durata);
            cortoMax = std::max(cortoMax, durata);
            if (durata < 30 || durata > turno + 60 || (turno < DurataSuono - 50 && durata >= DurataSuono - 50))
                return qui + QStringLiteral("lasted %1 ms, the next came after %2 ms: %3").arg(durata).arg(turno).arg(a.descrizione);
        }
        qInfo("%d sounds heard in order, each %d..%d ms after it was asked for, cut off after %d..%d ms; "
              "silence inside the run %d ms in all; held up at most %d ms (program), %d ms (server)",
              Risposte, ritardoMin, ritardoMax, cortoMin, cortoMax, a.silenzioTotaleMs, int(buco), int(ritardoServer));
        // A hole as long as an answer, or a steady crackle, is heard by the child.
        if (a.silenzioMassimoMs >= Intervallo || a.silenzioTotaleMs > 200)
            return QStringLiteral("silence between answers, %1 ms in all: %2").arg(a.silenzioTotaleMs).arg(a.descrizione);
        return {};
    }

private slots:
    void initTestCase()
    {
        Catalogo::installa();
        QVERIFY2(!Registrazione().isEmpty(), "no recording: run this through tests/support/privato --registra");
        QVERIFY2(cartella.isValid(), qPrintable(cartella.errorString()));
        for (int t = 0; t < 2; ++t) {
            toni[t] = cartella.filePath(QStringLiteral("tono%1.wav").arg(t));
            QVERIFY(ScriviWav(toni[t], Tono(Toni[t], DurataSuono)));
        }
        QVERIFY2(PluginSuono::interfaccia(), "the sound player plugin does not load");
    }

    void decodifica_data()
    {
        QTest::addColumn<int>("frequenza");
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("taglio");  // bytes of samples left in the file; -1: all
        QTest::newRow("mono at the stream's rate, sample for sample") << Fs << 1 << -1;
        QTest::newRow("stereo at half the rate") << Fs / 2 << 2 << -1;
        QTest::newRow("cut short in its samples: what is there") << Fs << 1 << 2000;
    }

    void decodifica()
    {
        QFETCH(int, frequenza);
        QFETCH(int, canali);
        QFETCH(int, taglio);
        const std::vector<short> tono = Tono(Toni[0], 200);
        std::vector<short> campioni;
        for (short s : tono)
            campioni.insert(campioni.end(), size_t(canali), s);
        const QString p = cartella.filePath(QStringLiteral("prova.wav"));
        QVERIFY(ScriviWav(p, campioni, frequenza, canali));
        if (taglio >= 0)
            QVERIFY(QFile::resize(p, 44 + taglio));
        const QByteArray pcm = PluginSuono::decodifica(p);
        const auto* out = reinterpret_cast<const int16_t*>(pcm.constData());
        // Each sample of the file lands on every (rate ratio)th output sample, unchanged by the mix.
        const qsizetype passo = Fs / frequenza, letti = taglio >= 0 ? taglio / 2 : qsizetype(tono.size());
        QCOMPARE(pcm.size() / 2, passo * (letti - 1) + 1);
        for (qsizetype i = 0; i < letti; ++i)
            QCOMPARE(out[passo * i], tono[size_t(i)]);
    }

    void quarantaRisposte()
    {
        // A machine shared with other work sometimes holds everything up for a moment; a run
        // spoilt that way proves nothing either way and is played again. A fault of the player
        // fails every run, held up or not.
        QString problema;
        for (int prova = 1; prova <= 3; ++prova) {
            int inceppo = 0;
            problema = suonaQuaranta(inceppo);
            if (problema.isEmpty())
                return;
            if (inceppo < SogliaInceppo)
                QFAIL(qPrintable(problema));
            qInfo("run %d: held up for %d ms; playing again. It went wrong: %s", prova, inceppo, qPrintable(problema));
        }
        QFAIL(qPrintable(QStringLiteral("held up in every run; the last went wrong: ") + problema));
    }

    void coda_data()
    {
        // What the player is asked (s: suona, a: accoda, f: ferma, w: wait ms; 0/1 the tone) and
        // what is heard (tone:ms).
        QTest::addColumn<QString>("azioni");
        QTest::addColumn<QString>("attesi");
        QTest::newRow("queued sounds follow each other whole") << "s0 a1 a0" << "0:400 1:400 0:400";
        QTest::newRow("an answer replaces the one playing and those queued") << "s0 a1 a0 w150 s1" << "0:150 1:400";
        QTest::newRow("queued after an answer, while it plays") << "s1 w150 a0" << "1:400 0:400";
        QTest::newRow("stopping silences everything") << "s0 a1 w150 f" << "0:150";
    }

    void coda()
    {
        QFETCH(QString, azioni);
        QFETCH(QString, attesi);
        const auto lettore = PluginSuono::nuovoLettore();
        Attendi(200);
        const qint64 da = Registrati();
        for (const QString& a : azioni.split(QLatin1Char(' '))) {
            const int n = a.mid(1).toInt();
            switch (a[0].toLatin1()) {
            case 's': lettore->suona(toni[n]); break;
            case 'a': lettore->accoda(toni[n]); break;
            case 'f': lettore->ferma(); break;
            default: Attendi(n);
            }
        }
        Attendi(1500);
        const Analisi r = Analizza(Leggi(), da);
        const QStringList voluti = attesi.split(QLatin1Char(' '));
        QVERIFY2(r.segmenti.size() == size_t(voluti.size()), qPrintable(r.descrizione));
        for (int i = 0; i < voluti.size(); ++i) {
            const Segmento& s = r.segmenti[size_t(i)];
            QVERIFY2(s.tono == voluti[i].section(':', 0, 0).toInt(), qPrintable(r.descrizione));
            // Whole sounds to the window; cut ones give or take a busy moment.
            const int ms = voluti[i].section(':', 1).toInt();
            QVERIFY2(std::abs(s.durataMs() - ms) <= (ms == DurataSuono ? 20 : 60), qPrintable(r.descrizione));
        }
        QVERIFY2(r.silenzioTotaleMs <= 20, qPrintable(r.descrizione));
    }

    void riprendeIlServer_data()
    {
        QTest::addColumn<QString>("prima");  // what happens to the server before the answers
        QTest::addColumn<QString>("dopo");
        QTest::newRow("restarted after a sound") << "BUSSOLINO_FERMA_SUONO" << "BUSSOLINO_AVVIA_SUONO";
        QTest::newRow("started after the first answer") << "" << "BUSSOLINO_AVVIA_SUONO";
        QTest::newRow("held still for a second") << "BUSSOLINO_CONGELA_SUONO" << "BUSSOLINO_SCONGELA_SUONO";
    }

    // The sound server goes away, starts late or stands still: the answers after it are heard.
    void riprendeIlServer()
    {
        QFETCH(QString, prima);
        QFETCH(QString, dopo);
        const auto esegui = [](const QString& variabile) {
            QCOMPARE(QProcess::execute(qEnvironmentVariable(qPrintable(variabile)), {}), 0);
        };
        const bool tardivo = prima.isEmpty();
        if (tardivo)
            esegui("BUSSOLINO_FERMA_SUONO");
        const auto lettore = PluginSuono::nuovoLettore();
        lettore->suona(toni[1]);
        Attendi(300);
        if (!tardivo)
            esegui(prima);
        lettore->suona(toni[1]);  // no server, or one that does not answer
        Attendi(tardivo ? 300 : 1000);
        esegui(dopo);
        constexpr int Dopo = 12;
        const qint64 da = Registrati();
        for (int i = 0; i < Dopo; ++i) {
            lettore->suona(toni[i % 2]);
            Attendi(250);
        }
        Attendi(DurataSuono + 300);
        const Analisi a = Analizza(Leggi(), da);
        // A server held still plays what was waiting when it goes on: at most one sound before.
        const int prime = int(a.segmenti.size()) - Dopo;
        QVERIFY2(prime == 0 || prime == 1, qPrintable(QStringLiteral("%1 sounds heard of %2: ").arg(a.segmenti.size()).arg(Dopo) + a.descrizione));
        for (int i = 0; i < Dopo; ++i)
            QVERIFY2(a.segmenti[size_t(prime + i)].tono == i % 2, qPrintable(a.descrizione));
        qInfo("after the server came back, every answer was heard from the first, %d ms after it was back",
              a.segmenti[size_t(prime)].inizio * 10);
    }

    void esceColServerFermo_data()
    {
        QTest::addColumn<bool>("apertoPrima");  // the stream was open before the server stood still
        QTest::newRow("made while the server stands still") << false;
        QTest::newRow("its stream open before the server stood still") << true;
    }

    // The program can quit at any moment, and a click never waits: a player whose server stands
    // still is made, asked for sounds and let go in next to no time.
    void esceColServerFermo()
    {
        QFETCH(bool, apertoPrima);
        const auto esegui = [](const char* variabile) {
            QCOMPARE(QProcess::execute(qEnvironmentVariable(variabile), {}), 0);
        };
        QElapsedTimer orologio;
        qint64 ms = 0;  // spent inside the player's own calls
        const auto misura = [&](const auto& chiamata) {
            orologio.start();
            chiamata();
            ms += orologio.elapsed();
        };
        auto lettore = apertoPrima ? PluginSuono::nuovoLettore() : nullptr;
        if (apertoPrima) {
            lettore->suona(toni[0]);
            Attendi(200);
        }
        esegui("BUSSOLINO_CONGELA_SUONO");
        if (!apertoPrima)
            misura([&] { lettore = PluginSuono::nuovoLettore(); });
        misura([&] {
            lettore->suona(toni[1]);
            lettore->accoda(toni[0]);
        });
        Attendi(200);
        misura([&] { lettore.reset(); });
        esegui("BUSSOLINO_SCONGELA_SUONO");
        qInfo("made, asked and let go in %lld ms", ms);
        QVERIFY2(ms < 300, qPrintable(QStringLiteral("made, asked and let go in %1 ms").arg(ms)));
    }

    // The voice through the program's own player, with the files the build made: a new
    // exercise's sentences within half a second of the screen, whole and in order; an answer cuts
    // the voice; the loudspeaker says it again; turned off, the voice stops and stays silent.
    void voceDelleSchermate()
    {
        Percorsi::impostaCartellaProgramma(qEnvironmentVariable("BUSSOLINO_BUILD_DIR"));
        // As in the program, the player is there before the first exercise.
        ModuloColoriSuoni::lettoreAttuale().ferma();
        Attendi(300);
        // "Il detective 3": its description, three sentences one after the other.
        qint64 da = Registrati();
        Schermata& detective = schermo(Id::Form9);
        detective.Show();
        Attendi(9000);
        int attesi = 0;
        for (const QString& f : static_cast<FormDetective&>(detective).regole().frasi())
            attesi += durataMs(Voce::percorsoDi(f));
        auto tratti = parlato(Leggi(), da);
        QVERIFY2(!tratti.empty(), "the description was not heard");
        const int inizio = tratti.front().first * 10, durata = (tratti.back().second - tratti.front().first + 1) * 10;
        qInfo("detective: first sentence heard %d ms after the screen; %d ms of speech, %d ms expected", inizio, durata, attesi);
        QVERIFY2(inizio < 500, qPrintable(QString::number(inizio)));
        // The files begin and end with 100 ms of silence, not heard; none cut short (a busy
        // machine may stretch them a little).
        QVERIFY2(durata > attesi - 450 && durata < attesi + 500,
                 qPrintable(QString("%1 ms heard, %2 expected").arg(durata).arg(attesi)));

        // The loudspeaker says it all again; an answer during it cuts it at once.
        da = Registrati();
        QTest::mouseClick(immagine(detective, "Altoparlante"), Qt::LeftButton);
        Attendi(1200);
        QTest::mouseClick(immagine(detective, "Image1", 0), Qt::LeftButton);
        const qint64 risposta = Registrati();
        Attendi(2500);
        tratti = parlato(Leggi(), da);
        QVERIFY2(!tratti.empty() && tratti.front().first * 10 < 300, "the loudspeaker was not heard at once");
        const int dopo = tratti.back().second * 10 - Ms(risposta - da);
        QVERIFY2(dopo < 1200, qPrintable(QString("the voice went on %1 ms after the answer").arg(dopo)));

        // Turned off while it speaks: silence within a moment, and none at the next exercise.
        da = Registrati();
        QTest::mouseClick(immagine(detective, "Altoparlante"), Qt::LeftButton);
        Attendi(800);
        Voce::impostaAttiva(false);
        const qint64 spenta = Registrati();
        detective.Unload();
        apri(Id::Form1);
        Attendi(2000);
        tratti = parlato(Leggi(), da);
        Voce::impostaAttiva(true);
        QVERIFY2(!tratti.empty() && tratti.back().second * 10 - Ms(spenta - da) < 200, "the voice went on when turned off");
        Registro::distruggi();
    }

    // Left mid-sentence ("Esci", then "Sì"), an exercise falls silent over the menu; the next
    // exercise's own sentence is heard within half a second of its screen, not after the old one.
    void voceFinisceConLaSchermata()
    {
        Percorsi::impostaCartellaProgramma(qEnvironmentVariable("BUSSOLINO_BUILD_DIR"));
        Schermata& menu = apri(Id::FormMenu);
        QTest::mouseClick(pulsante(menu, "Command12"), Qt::LeftButton);  // "A destra di...... 2"
        Schermata& righe = schermo(Id::Form10);
        Attendi(1500);  // naming its four buttons, a sentence of several seconds
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Yes)->click();
        });
        const qint64 uscita = Registrati();
        comandoMenu(righe, "mnuEsci")->trigger();
        QVERIFY(menu.caricata() && !righe.caricata());
        Attendi(1500);
        const qint64 aperta = Registrati();
        QTest::mouseClick(pulsante(menu, "Command3"), Qt::LeftButton);  // "Alla mia......    1"
        Attendi(2500);
        const auto tratti = parlato(Leggi(), uscita);
        const int ms = Ms(aperta - uscita);
        QString sentito;
        for (const auto& [da, a] : tratti)
            sentito += QStringLiteral(" %1-%2 ms").arg(da * 10).arg(a * 10 + 10);
        qInfo("left at 0 ms, the next exercise opened at %d ms; heard:%s", ms, qPrintable(sentito));
        QVERIFY2(!tratti.empty() && tratti.back().first * 10 >= ms, qPrintable("nothing heard of the next exercise:" + sentito));
        for (const auto& [da, a] : tratti)
            QVERIFY2(a * 10 < 200 || da * 10 >= ms, qPrintable("the voice went on over the menu:" + sentito));
        QVERIFY2(tratti.back().first * 10 - ms < 500, qPrintable("the next sentence came late:" + sentito));
        Registro::distruggi();
    }

    void suonoDelProgrammaEUscita()
    {
        // The program's own player, asked for a sound before its plugin has loaded, plays it;
        // quitting after it ends normally.
        const qint64 da = Registrati();
        QProcess figlio;
        figlio.setProcessChannelMode(QProcess::ForwardedChannels);
        figlio.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--suona-ed-esci"), toni[0]});
        QVERIFY(figlio.waitForFinished(20000));
        QCOMPARE(figlio.exitStatus(), QProcess::NormalExit);
        QCOMPARE(figlio.exitCode(), 0);
        const Analisi a = Analizza(Leggi(), da);
        QVERIFY2(a.segmenti.size() == 1 && a.segmenti[0].tono == 0, qPrintable(a.descrizione));
    }
};

// Plays one sound through the program's own player, as the program starts it, then quits.
static int SuonaEdEsci(int argc, char** argv)
{
    QApplication app(argc, argv);
    PluginSuono::caricaDopoIlPrimoDisegno();
    QWidget finestra;
    finestra.show();
    ModuloColoriSuoni::lettoreAttuale().suona(QString::fromLocal8Bit(argv[2]));
    QTimer::singleShot(DurataSuono + 300, &app, &QCoreApplication::quit);
    return app.exec();
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--suona-ed-esci") == 0)
        return SuonaEdEsci(argc, argv);
    QApplication app(argc, argv);
    TestSuonoRegistrato prova;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}
#include "test_suono_registrato.moc"
