// Bad files and odd places: a picture or a sound that is missing, empty, cut short, not what
// its name says, unreadable or absurdly large, and a program folder whose path has blanks and
// accents. Each time the game goes on: no crash, no dialog, and exactly one line on stderr
// that names the file.
#include "support/Aiuto.h"

#include "services/Figure.h"
#include "services/LettoreAudio.h"
#include "services/Modulo1.h"
#include "services/Percorsi.h"
#include "framework/Schermata.h"

#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryFile>
#include <cmath>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

using Schermate::Id;

namespace {

// ------------------------------------------------------------------ stderr

QtMessageHandler gestoreDelTest = nullptr;
void AStderr(QtMsgType, const QMessageLogContext&, const QString& m)
{
    std::fprintf(stderr, "%s\n", qPrintable(m));
}

// The lines written to stderr while `f` runs. Qt's own warnings count too: outside the test
// framework they land on stderr just like the program's lines.
QStringList Stderr(const std::function<void()>& f)
{
    QTemporaryFile registro;
    registro.open();
    std::fflush(stderr);
    const int salvato = dup(STDERR_FILENO);
    dup2(registro.handle(), STDERR_FILENO);
    gestoreDelTest = qInstallMessageHandler(AStderr);
    f();
    std::fflush(stderr);
    qInstallMessageHandler(gestoreDelTest);
    dup2(salvato, STDERR_FILENO);
    close(salvato);
    QFile letto(registro.fileName());
    letto.open(QIODevice::ReadOnly);
    QStringList righe;
    for (const QByteArray& r : letto.readAll().split('\n'))
        // The offscreen platform of the tests complains about raising windows; a real one does not.
        if (!r.isEmpty() && !r.startsWith("This plugin does not support"))
            righe << QString::fromUtf8(r);
    return righe;
}

// Exactly one line, and it names `percorso`.
void UnaRiga(const QStringList& righe, const QString& percorso)
{
    QVERIFY2(righe.size() == 1 && righe[0].contains(percorso),
             qPrintable(QString("expected one line naming %1, got:\n%2").arg(percorso, righe.join('\n'))));
}

void NessunaRiga(const QStringList& righe)
{
    QVERIFY2(righe.isEmpty(), qPrintable("expected nothing on stderr, got:\n" + righe.join('\n')));
}

bool NessunDialogo()
{
    if (QApplication::activeModalWidget())
        return false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QDialog*>(w))
            return false;
    return true;
}

long PiccoMemoriaKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// ------------------------------------------------------------------ bad pictures

// A whole 1 x 1 GIF, as a painting program saves it.
QByteArray GifPiccola()
{
    return QByteArray::fromHex("474946383961010001008000" "00ff000000000021f90401000000002c00000000010001000002024401003b");
}

// A GIF header claiming `w` x `h`, with one tiny block of picture data after it.
QByteArray GifGrande(int w, int h)
{
    QByteArray g("GIF89a");
    auto u16 = [&](int v) { g.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    u16(w), u16(h);
    g.append(QByteArray::fromHex("800000" "ff0000000000"));  // two colours: red and black
    g.append(',');
    u16(0), u16(0), u16(w), u16(h);
    g.append(QByteArray::fromHex("00" "02024401003b"));
    return g;
}

quint32 Crc32(const QByteArray& dati)
{
    quint32 c = 0xFFFFFFFFu;
    for (char ch : dati) {
        c ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// A PNG (the test pictures are PNG data) whose header claims `w` x `h`.
QByteArray PngGrande(int w, int h)
{
    auto u32 = [](quint32 v) {
        QByteArray b(4, 0);
        for (int i = 0; i < 4; ++i)
            b[i] = char((v >> (24 - 8 * i)) & 0xFF);
        return b;
    };
    const QByteArray ihdr = "IHDR" + u32(quint32(w)) + u32(quint32(h)) + QByteArray::fromHex("0806000000");
    const QByteArray idat = "IDAT" + QByteArray::fromHex("789c030000000001");  // a few bytes of pixels
    return QByteArray::fromHex("89504e470d0a1a0a") + u32(13) + ihdr + u32(Crc32(ihdr)) + u32(8) + idat
           + u32(Crc32(idat)) + u32(0) + "IEND" + u32(Crc32("IEND"));
}

QByteArray PngIntera()
{
    QImage i(64, 64, QImage::Format_RGB32);
    i.fill(Qt::darkGreen);
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    i.save(&buf, "PNG");
    return b;
}

// ------------------------------------------------------------------ sounds

// A 16-bit mono WAV of `secondi` of a 440 Hz tone; `dichiarati` is what its header claims.
QByteArray Wav(double secondi, double dichiarati = -1)
{
    const int frequenza = 22050;
    const int n = int(secondi * frequenza);
    const quint32 byteDichiarati = quint32((dichiarati < 0 ? secondi : dichiarati) * frequenza) * 2;
    auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    QByteArray dati;
    for (int i = 0; i < n; ++i) {
        const qint16 v = qint16(9000 * std::sin(2 * M_PI * 440 * i / frequenza));
        dati += u16(quint16(v));
    }
    return "RIFF" + u32(36 + byteDichiarati) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(frequenza)
           + u32(frequenza * 2) + u16(2) + u16(16) + "data" + u32(byteDichiarati) + dati;
}

void Scrivi(const QString& percorso, const QByteArray& dati)
{
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(dati), dati.size());
}

void ScriviSuoni(const QString& cartella, const QByteArray& dati)
{
    for (const char* n : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"})
        Scrivi(cartella + "/suoni/" + n, dati);
}

// "Su di me " with picture `figura` shown and "DESTRO" asked: the left half is right when
// the figure faces the child, the right half when it turns its back.
void Prepara(Ambiente& a, int figura)
{
    const bool diFronte = figura <= 28;
    const int n = diFronte ? figura : figura - 28;
    a.casuale.aggiungi({0.5, (n - 0.5) / 28, diFronte ? 0.75 : 0.25, 0.75});
}

// A wrong click and a right click on "Su di me ", counted as always.
void GiocaSuDiMe(Schermata& f, int figura)
{
    const int giusto = figura <= 28 ? 0 : 1;
    Clicca(f.etichetta("Label3", 1 - giusto));
    QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 1"));
    QVERIFY(f.immagine("ComandoIconaNo")->isVisible());
    Clicca(f.etichetta("Label3", giusto));
    QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
    QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
    QVERIFY(f.pulsante("Command2")->isEnabled());
}

}  // namespace

class TestFileRotti : public QObject {
    Q_OBJECT

private slots:
    // ------------------------------------------------------------------ pictures

    void figuraRotta_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("empty") << "vuota";
        QTest::newRow("GIF cut after its header") << "gif troncata";
        QTest::newRow("GIF cut in its data") << "gif senza fine";
        QTest::newRow("PNG cut in its data") << "png troncata";
        QTest::newRow("not a picture") << "testo";
        QTest::newRow("unreadable") << "illeggibile";
        QTest::newRow("a folder named 5.gif") << "cartella";
        QTest::newRow("GIF of 20000 x 20000") << "gif enorme";
        QTest::newRow("PNG of 20000 x 20000") << "png enorme";
        QTest::newRow("GIF of 5000 x 2") << "gif lunga";
    }
    // Picture 5 is bad; "Su di me " shows it, the exercise is played wrong and right, and
    // "avanti" brings a good picture.
    void figuraRotta()
    {
        QFETCH(QString, caso);
        Ambiente a;
        const int figura = 5;
        const QString percorso = Percorsi::figura(figura);
        QVERIFY(QFile::remove(percorso));
        if (caso == "vuota")
            Scrivi(percorso, {});
        else if (caso == "gif troncata")
            Scrivi(percorso, GifPiccola().left(16));
        else if (caso == "gif senza fine")
            Scrivi(percorso, GifPiccola().left(GifPiccola().size() - 6));
        else if (caso == "png troncata")
            Scrivi(percorso, PngIntera().left(PngIntera().size() / 2));
        else if (caso == "testo")
            Scrivi(percorso, "questa non è una figura\n");
        else if (caso == "illeggibile") {
            Scrivi(percorso, GifPiccola());
            QFile::setPermissions(percorso, {});
            QFile prova(percorso);
            if (prova.open(QIODevice::ReadOnly))
                QSKIP("running as root, a file without permissions can still be read; the folder case covers it");
        } else if (caso == "cartella")
            QVERIFY(QDir().mkpath(percorso));
        else if (caso == "gif enorme")
            Scrivi(percorso, GifGrande(20000, 20000));
        else if (caso == "png enorme")
            Scrivi(percorso, PngGrande(20000, 20000));
        else if (caso == "gif lunga")
            Scrivi(percorso, GifGrande(5000, 2));

        Prepara(a, figura);
        a.casuale.aggiungi({0.1});  // the right-answer sound
        Prepara(a, 33);             // after "avanti"
        Schermata* f = nullptr;
        const long memoriaPrima = PiccoMemoriaKiB();
        QElapsedTimer t;
        t.start();
        const QStringList righe = Stderr([&] { f = &Apri(Id::Form1); });
        const qint64 ms = t.elapsed();
        if (caso == "png troncata")
            QEXPECT_FAIL("", "libpng prints its own \"libpng error\" line straight to stderr, past Qt; "
                             "the pictures the program ships are GIFs", Continue);
        UnaRiga(righe, percorso);
        if (caso == "gif enorme" || caso == "png enorme")
            QVERIFY2(righe.value(0).contains("too large (20000 x 20000)"), qPrintable(righe.value(0)));
        if (caso == "gif lunga")
            QVERIFY2(righe.value(0).contains("too large (5000 x 2)"), qPrintable(righe.value(0)));
        QVERIFY(f->immagine("Image1")->immagine().isNull());
        QVERIFY(NessunDialogo());
        // Refused before decoding: quickly and without room for 20000 x 20000 pixels.
        QVERIFY2(ms < 2000, qPrintable(QString::number(ms) + " ms"));
        QVERIFY2(PiccoMemoriaKiB() - memoriaPrima < 100 * 1024,
                 qPrintable(QString::number((PiccoMemoriaKiB() - memoriaPrima) / 1024) + " MiB more"));

        // The game goes on, and the bad picture is not complained about twice.
        QStringList dopo = Stderr([&] {
            GiocaSuDiMe(*f, figura);
            QVERIFY(Figure::carica(figura).isNull());
        });
        NessunaRiga(dopo);
        dopo = Stderr([&] { Clicca(f->pulsante("Command2")); });
        NessunaRiga(dopo);
        QVERIFY(!f->pulsante("Command2")->isEnabled());
        QVERIFY(f->controllo("Label3", 0)->isEnabled());
        QVERIFY(NessunDialogo());
    }

    void grandeAlLimiteSiLegge()
    {
        // The cap refuses only what is over it: a picture exactly at the limit still shows.
        Ambiente a;
        QImage i(Figure::LatoMassimo, 2, QImage::Format_RGB32);
        i.fill(ColoreDiProva(9));
        QVERIFY(i.save(Percorsi::figura(9), "PNG"));
        QStringList righe = Stderr([&] { QCOMPARE(NumeroDaImmagine(Figure::carica(9)), 9); });
        NessunaRiga(righe);
    }

    void senzaCartellaGif()
    {
        Ambiente a(false);
        QVERIFY(!QDir(a.cartella.path() + "/gif").exists());
        Prepara(a, 40);
        a.casuale.aggiungi({0.5});  // right-answer sound
        Prepara(a, 12);
        a.casuale.aggiungi({0.5});
        Prepara(a, 40);
        Schermata* f = nullptr;
        QStringList righe = Stderr([&] { f = &Apri(Id::Form1); });
        UnaRiga(righe, Percorsi::figura(40));
        righe = Stderr([&] { GiocaSuDiMe(*f, 40); });
        NessunaRiga(righe);
        QVERIFY(NessunDialogo());

        // Each missing picture is named once, the one shown again not at all.
        righe = Stderr([&] { Clicca(f->pulsante("Command2")); });
        UnaRiga(righe, Percorsi::figura(12));
        Clicca(f->etichetta("Label3", 1));  // facing, DESTRO: the right half is wrong
        Clicca(f->etichetta("Label3", 0));
        QCOMPARE(f->etichetta("EtichettaEsatti")->testo(), QString(" 2"));
        righe = Stderr([&] { Clicca(f->pulsante("Command2")); });
        NessunaRiga(righe);
        QVERIFY(NessunDialogo());
    }

    // ------------------------------------------------------------------ sounds

    void suonoRotto_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a WAV") << QByteArray("RIFF? no, just words\n");
        QTest::newRow("WAV cut inside its header") << Wav(0.2).left(30);
        QTest::newRow("WAV header with no samples") << Wav(0.2).left(44);
    }
    // The real player: one line naming the file, the platform's beep instead, and the same
    // bad file played again says nothing more.
    void suonoRotto()
    {
        QFETCH(QByteArray, dati);
        Ambiente a;
        const QString percorso = Percorsi::suono("no.wav");
        Scrivi(percorso, dati);
        QString problema;
        QVERIFY(LettoreAudio::decodifica(percorso, &problema).isEmpty());
        QVERIFY(!problema.isEmpty());
        LettoreAudio lettore;
        QStringList righe = Stderr([&] { lettore.suona(percorso); });
        UnaRiga(righe, percorso);
        righe = Stderr([&] {
            lettore.suona(percorso);
            lettore.suona(percorso);
        });
        NessunaRiga(righe);
        QVERIFY(NessunDialogo());
    }

    void suonoTroncatoNeiDati()
    {
        // The header promises a second, the file holds a tenth: what is there is played.
        Ambiente a;
        const QString percorso = Percorsi::suono("si1.wav");
        Scrivi(percorso, Wav(0.1, 1.0));
        const QByteArray pcm = LettoreAudio::decodifica(percorso);
        QVERIFY(pcm.size() > 0);
        QVERIFY(pcm.size() <= LettoreAudio::Frequenza * 2 / 10 + 4);
    }

    // A whole exercise with the real player and sounds that are missing or bad.
    void giocoConSuoniRotti_data()
    {
        QTest::addColumn<bool>("cartella");
        QTest::newRow("no suoni folder") << false;
        QTest::newRow("every sound not a WAV") << true;
    }
    void giocoConSuoniRotti()
    {
        QFETCH(bool, cartella);
        Ambiente a;
        if (cartella)
            ScriviSuoni(a.cartella.path(), "not a sound at all");
        else
            QVERIFY(!QDir(a.cartella.path() + "/suoni").exists());
        LettoreAudio lettore;
        ModuloColoriSuoni::impostaLettore(&lettore);
        for (int volta = 0; volta < 2; ++volta) {
            Prepara(a, 7);
            a.casuale.aggiungi({0.1});  // si1.wav
        }
        Schermata& f = Apri(Id::Form1);
        const QStringList righe = Stderr([&] {
            GiocaSuDiMe(f, 7);
            Clicca(f.pulsante("Command2"));
            Clicca(f.etichetta("Label3", 1));
            Clicca(f.etichetta("Label3", 0));
        });
        ModuloColoriSuoni::impostaLettore(&a.lettore);
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 2"));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 2"));
        // One line per file, however often it was asked for.
        QCOMPARE(righe.size(), 2);
        QVERIFY2(righe[0].contains(Percorsi::suono("no.wav")), qPrintable(righe[0]));
        QVERIFY2(righe[1].contains(Percorsi::suono("si1.wav")), qPrintable(righe[1]));
        QVERIFY(NessunDialogo());
    }

    // ------------------------------------------------------------------ odd places

    void cartellaConSpaziEAccenti()
    {
        Ambiente a(false);
        const QString cartella = a.cartella.path() + QString::fromUtf8("/Scuola primaria/Classe 1ª/Niccolò");
        ScriviFigureDiProva(cartella);
        ScriviSuoni(cartella, Wav(0.2));
        Percorsi::impostaCartellaProgramma(cartella);
        Figure::svuotaCache();

        // Every picture and every sound is found there.
        QStringList righe = Stderr([&] {
            for (int n = 1; n <= Modulo1::NumeroPose; ++n)
                QCOMPARE(NumeroDaImmagine(Figure::carica(n)), n);
            for (const char* s : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"})
                QVERIFY(!LettoreAudio::decodifica(Percorsi::suono(s)).isEmpty());
        });
        NessunaRiga(righe);

        // A whole exercise there, through real clicks: the picture shows and the sounds asked
        // for are the files of that folder.
        Prepara(a, 50);
        a.casuale.aggiungi({0.9});  // si4.wav
        Schermata& f = Apri(Id::Form1);
        QCOMPARE(NumeroDaImmagine(f.immagine("Image1")->immagine()), 50);
        GiocaSuDiMe(f, 50);
        QCOMPARE(a.lettore.nomi(), (QStringList{"no.wav", "si4.wav"}));
        for (const QString& p : a.lettore.suonati) {
            QVERIFY2(p.startsWith(cartella + "/suoni/"), qPrintable(p));
            QVERIFY2(QFile::exists(p), qPrintable(p));
        }
        QVERIFY(NessunDialogo());
    }
};

int main(int argc, char** argv)
{
    // No sound server for these tests: the real player falls back to the beep, and nothing
    // reaches a server another test may be recording from.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("PULSE_SERVER", QFile::encodeName(runtime.path() + "/nessuno"));
    QApplication app(argc, argv);
    TestFileRotti test;
    return EseguiTest(argc, argv, &test);
}

#include "test_filerotti.moc"
