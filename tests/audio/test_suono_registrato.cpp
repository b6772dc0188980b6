// Every answer is heard: forty answers in a row go through the real sound player into a
// PulseAudio null sink whose monitor is being recorded (tests/audio/run-recorded-playback
// sets that up); the recording must hold forty sounds, in order, each cut off by the next.
// Also: a file that cannot be played decodes to nothing and only beeps, and the program's own
// player lets the program quit cleanly after it has played.
#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
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

#include "services/LettoreAudio.h"
#include "services/ModuloColoriSuoni.h"

namespace {

constexpr int Fs = LettoreAudio::Frequenza;
constexpr int Finestra = Fs / 100;  // 10 ms: 5 whole periods of the low tone, 12 of the high one
constexpr int Risposte = 40;
constexpr int Intervallo = 150;  // ms between answers: shorter than a sound, so each is cut off
constexpr int DurataSuono = 400;  // ms
constexpr double Toni[2] = {500.0, 1200.0};
constexpr double Volume = 0.45;
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

std::vector<short> Tono(double frequenza, int ms)
{
    std::vector<short> v(size_t(Fs) * size_t(ms) / 1000);
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = short(std::lround(Volume * 32767.0 * std::sin(2.0 * std::numbers::pi * frequenza * double(i) / Fs)));
    return v;
}

// Runs the event loop, as the program would between two answers.
void Attendi(int ms)
{
    QEventLoop ciclo;
    QTimer::singleShot(ms, Qt::PreciseTimer, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

qint64 CampioniRegistrati(const QString& registrazione) { return QFileInfo(registrazione).size() / 2; }

struct Segmento {
    int tono;           // index into Toni
    int inizio;         // first window
    int suonanti = 1;   // windows that sound, leaving out any gap inside
    int DurataMs() const { return suonanti * 1000 / (Fs / Finestra); }
};

struct Analisi {
    std::vector<Segmento> segmenti;
    int silenzioMassimoMs = 0;  // between the first and the last sound: longest silence
    int silenzioTotaleMs = 0;   // and all of them together
    QStringList silenzi;        // each of them, as length@where
    qint64 primoUdibile = -1;   // first sample above the noise floor
};

// Finds the sounds in the recording from sample `da` on; windows count from there.
Analisi Analizza(const std::vector<int16_t>& r, qint64 da)
{
    Analisi a;
    const int finestre = int((qint64(r.size()) - da) / Finestra);
    int silenzio = 0;
    for (int w = 0; w < finestre; ++w) {
        const int16_t* x = r.data() + da + qint64(w) * Finestra;
        const double basso = Ampiezza(x, Finestra, Toni[0]);
        const double alto = Ampiezza(x, Finestra, Toni[1]);
        if (std::max(basso, alto) < SogliaTono) {
            ++silenzio;
            continue;
        }
        const int tono = alto > basso ? 1 : 0;
        if (!a.segmenti.empty() && silenzio > 0) {
            a.silenzioMassimoMs = std::max(a.silenzioMassimoMs, silenzio * 10);
            a.silenzioTotaleMs += silenzio * 10;
            a.silenzi << QStringLiteral("%1ms@%2ms").arg(silenzio * 10).arg((w - silenzio) * 10);
        }
        if (!a.segmenti.empty() && a.segmenti.back().tono == tono)
            ++a.segmenti.back().suonanti;  // a gap inside one sound still leaves one sound
        else
            a.segmenti.push_back({tono, w});
        silenzio = 0;
    }
    for (qint64 i = da; i < qint64(r.size()); ++i) {
        if (std::abs(int(r[size_t(i)])) > 300) {
            a.primoUdibile = i;
            break;
        }
    }
    return a;
}

QString Descrivi(const std::vector<Segmento>& segmenti)
{
    QStringList parti;
    for (const Segmento& s : segmenti)
        parti << QStringLiteral("%1Hz@%2ms/%3ms").arg(Toni[s.tono]).arg(s.inizio * 10).arg(s.DurataMs());
    return parti.join(QLatin1Char(' '));
}

}  // namespace

class TestSuonoRegistrato : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    QString toni[2];

    QString Percorso(const QString& nome) const { return cartella.filePath(nome); }

    struct Esito {
        QString problema;   // empty when every answer was heard as it should be
        int inceppoMs = 0;  // the longest the machine held up the program or the sound server
    };

    // Plays forty answers through a fresh player and judges the recording of them.
    Esito SuonaQuaranta(const QString& registrazione)
    {
        Esito e;
        // Ticks every 5 ms while playing: a long gap means the program itself was held up.
        QElapsedTimer battito;
        qint64 ultimoBattito = 0, buco = 0;
        QTimer sentinella;
        sentinella.setTimerType(Qt::PreciseTimer);
        sentinella.setInterval(5);
        connect(&sentinella, &QTimer::timeout, [&] {
            const qint64 ora = battito.elapsed();
            buco = std::max(buco, ora - ultimoBattito - 5);
            ultimoBattito = ora;
        });

        LettoreAudio lettore;
        std::vector<qint64> segni(Risposte);    // recording length when each answer was asked for
        std::vector<qint64> istanti(Risposte);  // ms on the clock when each answer was asked for
        QElapsedTimer orologio;
        orologio.start();
        battito.start();
        sentinella.start();
        for (int i = 0; i < Risposte; ++i) {
            segni[size_t(i)] = CampioniRegistrati(registrazione);
            istanti[size_t(i)] = orologio.elapsed();
            lettore.suona(toni[i % 2]);
            if (i + 1 < Risposte)
                Attendi(Intervallo);
        }
        // Let the last one finish and the recorder catch up, still feeding the stream.
        const qint64 voluti = segni.back() + qint64(Fs) * (DurataSuono + 600) / 1000;
        QElapsedTimer attesa;
        attesa.start();
        while (CampioniRegistrati(registrazione) < voluti && attesa.elapsed() < 5000)
            Attendi(50);
        sentinella.stop();

        // The recording grows with the sound server's clock: where it falls behind the
        // program's clock, the server (or the recorder) was held up.
        qint64 ritardoServer = 0;
        for (int i = 1; i < Risposte; ++i) {
            const qint64 registrati = Ms(segni[size_t(i)] - segni[size_t(i) - 1]);
            const qint64 passati = istanti[size_t(i)] - istanti[size_t(i) - 1];
            ritardoServer = std::max(ritardoServer, std::abs(passati - registrati));
        }
        e.inceppoMs = int(std::max(buco, ritardoServer));
        const auto sbaglia = [&e](const QString& perche) {
            e.problema = perche;
            return e;
        };

        QFile f(registrazione);
        if (!f.open(QIODevice::ReadOnly))
            return sbaglia(QStringLiteral("cannot read the recording: ") + f.errorString());
        const QByteArray dati = f.readAll();
        std::vector<int16_t> r(size_t(dati.size() / 2));
        std::memcpy(r.data(), dati.constData(), r.size() * 2);
        if (qint64(r.size()) < voluti)
            return sbaglia(QStringLiteral("the recording stopped growing: %1 ms recorded, %2 ms wanted")
                               .arg(Ms(qint64(r.size())))
                               .arg(Ms(voluti)));

        const qint64 base = segni[0];
        const Analisi a = Analizza(r, base);
        const std::vector<Segmento>& s = a.segmenti;
        const QString tutti = Descrivi(s);

        // Information: how long from asking for the first answer to hearing it. The recording's
        // length lags a little behind the sink, so this is only an estimate.
        if (a.primoUdibile >= 0)
            qInfo("first answer heard %d ms after it was asked for (approximate)", Ms(a.primoUdibile - base));

        if (s.empty())
            return sbaglia(QStringLiteral("nothing at all was heard in the recording"));
        if (int(s.size()) != Risposte)
            return sbaglia(QStringLiteral("%1 sounds heard of %2 played: %3").arg(s.size()).arg(Risposte).arg(tutti));
        for (int i = 0; i < Risposte; ++i)
            if (s[size_t(i)].tono != i % 2)
                return sbaglia(QStringLiteral("sound %1 is the wrong tone: %2").arg(i + 1).arg(tutti));

        // Each answer is heard soon after it was asked for (give or take the 10 ms window) and
        // sounds until the next one cuts it off; the last plays out whole.
        std::vector<int> ritardi, durate, turni;
        for (int i = 0; i < Risposte; ++i) {
            ritardi.push_back(Ms(base + qint64(s[size_t(i)].inizio) * Finestra - segni[size_t(i)]));
            if (i + 1 < Risposte) {
                durate.push_back(s[size_t(i)].DurataMs());
                turni.push_back(int(istanti[size_t(i) + 1] - istanti[size_t(i)]));
            }
        }
        const int ultimo = s.back().DurataMs();
        const auto [ritardoMin, ritardoMax] = std::minmax_element(ritardi.begin(), ritardi.end());
        const auto [cortoMin, cortoMax] = std::minmax_element(durate.begin(), durate.end());
        qInfo("%d of %d sounds heard in order, each %d..%d ms after it was asked for; cut-off ones lasted "
              "%d..%d ms, the last %d ms; silence inside the run: %d ms in all, at most %d ms at once; "
              "held up at most %d ms (program) and %d ms (sound server)",
              int(s.size()), Risposte, *ritardoMin, *ritardoMax, *cortoMin, *cortoMax, ultimo, a.silenzioTotaleMs,
              a.silenzioMassimoMs, int(buco), int(ritardoServer));
        if (!a.silenzi.isEmpty())
            qInfo("silences inside the run: %s", qPrintable(a.silenzi.join(QLatin1Char(' '))));

        for (int i = 0; i < Risposte; ++i) {
            const int ritardo = ritardi[size_t(i)];
            if (ritardo < -10 || ritardo > 250)
                return sbaglia(QStringLiteral("sound %1 was heard %2 ms after it was asked for: %3")
                                   .arg(i + 1)
                                   .arg(ritardo)
                                   .arg(tutti));
            if (i + 1 == Risposte)
                continue;
            const int durata = durate[size_t(i)];
            const int turno = turni[size_t(i)];
            if (durata < 30)
                return sbaglia(QStringLiteral("sound %1 was barely heard: %2 ms: %3").arg(i + 1).arg(durata).arg(tutti));
            if (turno < DurataSuono - 50 && durata >= DurataSuono - 50)
                return sbaglia(QStringLiteral("sound %1 was not cut off: %2 ms: %3").arg(i + 1).arg(durata).arg(tutti));
            if (durata > turno + 60)
                return sbaglia(QStringLiteral("sound %1 lasted %2 ms though the next answer came after %3 ms: %4")
                                   .arg(i + 1)
                                   .arg(durata)
                                   .arg(turno)
                                   .arg(tutti));
        }
        // A hole as long as an answer, or a steady crackle, is heard by the child.
        if (a.silenzioMassimoMs >= Intervallo || a.silenzioTotaleMs > 200)
            return sbaglia(QStringLiteral("silence between answers, %1 ms in all: %2")
                               .arg(a.silenzioTotaleMs)
                               .arg(a.silenzi.join(QLatin1Char(' '))));
        if (std::abs(ultimo - DurataSuono) > 20)
            return sbaglia(QStringLiteral("the last sound lasted %1 ms, not %2: %3").arg(ultimo).arg(DurataSuono).arg(tutti));
        return e;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(cartella.isValid(), qPrintable(cartella.errorString()));
        for (int t = 0; t < 2; ++t) {
            toni[t] = Percorso(QStringLiteral("tono%1.wav").arg(t));
            QVERIFY(ScriviWav(toni[t], Tono(Toni[t], DurataSuono)));
        }
    }

    void decodificaUnTono()
    {
        // The sounds the recorded run relies on decode whole, sample for sample.
        const QByteArray pcm = LettoreAudio::decodifica(toni[1]);
        const std::vector<short> atteso = Tono(Toni[1], DurataSuono);
        QCOMPARE(pcm.size(), qsizetype(atteso.size() * 2));
        QVERIFY(std::equal(atteso.begin(), atteso.end(), reinterpret_cast<const int16_t*>(pcm.constData())));
    }

    void decodificaDaAltriFormati()
    {
        // A stereo file at 22.05 kHz comes out mono at the stream's rate, twice as many samples.
        std::vector<short> stereo;
        for (short s : Tono(Toni[0], 200)) {
            if (stereo.size() >= size_t(Fs / 10) * 2)
                break;
            stereo.push_back(s);
            stereo.push_back(s);
        }
        const QString p = Percorso(QStringLiteral("stereo.wav"));
        QVERIFY(ScriviWav(p, stereo, Fs / 2, 2));
        const QByteArray pcm = LettoreAudio::decodifica(p);
        const qsizetype fotogrammi = qsizetype(stereo.size() / 2);
        QCOMPARE(pcm.size() / 2, 2 * (fotogrammi - 1) + 1);
        // Each original sample lands on an even output sample, unchanged by the mix.
        const auto* out = reinterpret_cast<const int16_t*>(pcm.constData());
        for (qsizetype i = 0; i < fotogrammi; ++i)
            QCOMPARE(out[2 * i], stereo[size_t(2 * i)]);
    }

    void fileCheNonSiPossonoSuonare_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("esiste");

        QFile buono(toni[0]);
        QVERIFY(buono.open(QIODevice::ReadOnly));
        const QByteArray wav = buono.readAll();
        QVERIFY(wav.size() > 1000);

        QTest::newRow("missing") << QStringLiteral("manca.wav") << QByteArray() << false;
        QTest::newRow("empty") << QStringLiteral("vuoto.wav") << QByteArray() << true;
        QTest::newRow("not a sound") << QStringLiteral("testo.wav") << QByteArray("Bravo! Hai trovato la destra.\n") << true;
        QTest::newRow("cut inside the header") << QStringLiteral("testa.wav") << wav.left(30) << true;
        QTest::newRow("header without samples") << QStringLiteral("solo_testa.wav") << wav.left(44) << true;
    }

    void fileCheNonSiPossonoSuonare()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, esiste);
        const QString p = Percorso(nome);
        if (esiste) {
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(f.write(contenuto), contenuto.size());
        }
        QString problema;
        QVERIFY(LettoreAudio::decodifica(p, &problema).isEmpty());
        QVERIFY2(!problema.isEmpty(), "the reason is told");

        // Playing it only beeps: it returns at once, the second time from what was remembered too.
        LettoreAudio lettore;
        QElapsedTimer t;
        t.start();
        lettore.suona(p);
        lettore.suona(p);
        QVERIFY2(t.elapsed() < 200, qPrintable(QStringLiteral("took %1 ms").arg(t.elapsed())));
    }

    void fileTroncatoNeiCampioni()
    {
        // A file cut short in its samples plays what is there, and nothing made up beyond it.
        QFile buono(toni[0]);
        QVERIFY(buono.open(QIODevice::ReadOnly));
        const QByteArray wav = buono.readAll();
        const QString p = Percorso(QStringLiteral("troncato.wav"));
        QFile f(p);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(wav.left(44 + 1000 * 2));
        f.close();
        const QByteArray pcm = LettoreAudio::decodifica(p);
        QCOMPARE(pcm.size(), 1000 * 2);
        QCOMPARE(pcm, LettoreAudio::decodifica(toni[0]).left(1000 * 2));
    }

    void quarantaRisposteRegistrate()
    {
        const QString registrazione = qEnvironmentVariable("BUSSOLINO_REGISTRAZIONE");
        if (registrazione.isEmpty())
            QFAIL("no recording: run this through tests/audio/run-recorded-playback");
        const QAudioDevice uscita = QMediaDevices::defaultAudioOutput();
        QVERIFY2(!uscita.isNull(), "Qt sees no audio output: is the PulseAudio server reachable?");
        QVERIFY2(uscita.id() == "nullsink",
                 qPrintable(QStringLiteral("Qt plays into '%1', not the recorded sink").arg(QString::fromUtf8(uscita.id()))));

        // A machine shared with other work sometimes holds everything up for a moment; a run
        // spoilt that way proves nothing either way and is played again. A fault of the player
        // fails every run, held up or not.
        QString problema;
        for (int prova = 1; prova <= 3; ++prova) {
            const Esito e = SuonaQuaranta(registrazione);
            if (e.problema.isEmpty())
                return;
            problema = e.problema;
            if (e.inceppoMs < SogliaInceppo)
                QFAIL(qPrintable(problema));
            qInfo("run %d: the machine held playing up for %d ms; playing again. It went wrong: %s", prova,
                  e.inceppoMs, qPrintable(problema));
        }
        QFAIL(qPrintable(QStringLiteral("playing was held up in every run, by the machine or by the player itself; "
                                        "the last went wrong: ") +
                         problema));
    }

    void esceDopoUnSuono()
    {
        // The program plays through a player that outlives its QApplication; quitting after a
        // sound must end normally, not crash on the way out.
        if (qEnvironmentVariable("BUSSOLINO_REGISTRAZIONE").isEmpty())
            QFAIL("no sound server: run this through tests/audio/run-recorded-playback");
        QProcess figlio;
        figlio.setProcessChannelMode(QProcess::ForwardedChannels);
        figlio.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--suona-ed-esci"), toni[0]});
        QVERIFY(figlio.waitForFinished(20000));
        QCOMPARE(figlio.exitStatus(), QProcess::NormalExit);
        QCOMPARE(figlio.exitCode(), 0);
    }
};

// Plays one sound through the program's own player, quits, and lets the player go at exit.
static int SuonaEdEsci(int argc, char** argv)
{
    QApplication app(argc, argv);
    ModuloColoriSuoni::lettoreAttuale().suona(QString::fromLocal8Bit(argv[2]));
    QTimer::singleShot(200, &app, &QCoreApplication::quit);
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
