// Bad files in a program folder whose path has blanks and accents: a picture or a sound that is
// missing, empty, cut short, not what its name says, a folder, or absurdly large. Each time the
// child plays two exercises through with the real player: no crash, no dialog, and the file
// named on stderr exactly once, however often it is asked for.
#include "support/Aiuto.h"

#include "services/PluginSuono.h"
#include "services/Voce.h"
#include "services/Percorsi.h"

#include <QBuffer>
#include <QDialog>
#include <QElapsedTimer>
#include <cmath>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <linux/capability.h>
#include <unistd.h>

namespace {
// The lines written to stderr while `f` runs, Qt's own warnings included.
QStringList stderrDi(const std::function<void()>& f)
{
    QTemporaryFile registro;
    registro.open();
    std::fflush(stderr);
    const int salvato = dup(STDERR_FILENO);
    dup2(registro.handle(), STDERR_FILENO);
    const QtMessageHandler prima = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        std::fprintf(stderr, "%s\n", qPrintable(m));
    });
    f();
    std::fflush(stderr);
    qInstallMessageHandler(prima);
    dup2(salvato, STDERR_FILENO);
    close(salvato);
    QFile letto(registro.fileName());
    letto.open(QIODevice::ReadOnly);
    QStringList righe;
    for (const QByteArray& r : letto.readAll().split('\n'))
        // The offscreen platform's own complaints, and the player's about the missing sound server.
        if (!r.isEmpty() && !r.startsWith("This plugin does not support") && !r.startsWith("bussolino sound:"))
            righe << QString::fromUtf8(r);
    return righe;
}

QByteArray gif(int w, int h)  // a header claiming w x h, two colours, one tiny block of data
{
    QByteArray g("GIF89a");
    const auto u16 = [&](int v) { g.append(char(v & 0xFF)).append(char(v >> 8)); };
    u16(w), u16(h);
    g += QByteArray::fromHex("800000ff0000000000") + ',';
    u16(0), u16(0), u16(w), u16(h);
    return g + QByteArray::fromHex("0002024401003b");
}

QByteArray png(int w, int h)  // Qt's own, in the test colour of pose 5
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    QImage i(w, h, QImage::Format_RGB32);
    i.fill(QColor(20, 235, 128));  // the test colour of pose 5
    i.save(&buf, "PNG");
    return b;
}

QByteArray wav(double secondi, double dichiarati)  // 16-bit mono 22050 Hz; the header claims `dichiarati`
{
    const auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    QByteArray dati;
    for (int i = 0; i < int(secondi * 22050); ++i)
        dati += u16(quint16(qint16(9000 * std::sin(2 * M_PI * 440 * i / 22050))));
    const quint32 n = quint32(dichiarati * 22050) * 2;
    return "RIFF" + u32(36 + n) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(22050) + u32(44100) + u16(2) + u16(16) + "data" + u32(n) + dati;
}

long piccoKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}
// Root reads any file whatever its mode. For as long as this lives, the calling thread gives
// up the two capabilities that allow it, so a file without permissions is refused by the
// kernel as it is for a child's account.
class ComeUnAltroUtente {
public:
    ComeUnAltroUtente()
    {
        if (syscall(SYS_capget, &testa, prima) != 0)
            return;
        __user_cap_data_struct senza[2] = {prima[0], prima[1]};
        senza[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        attivo = syscall(SYS_capset, &testa, senza) == 0;
    }
    ~ComeUnAltroUtente()
    {
        if (attivo)
            syscall(SYS_capset, &testa, prima);
    }

private:
    __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct prima[2]{};
    bool attivo = false;
};

}  // namespace

// file: in the program folder; dati "<folder>": a folder in its place, "<none>": missing,
// "<unreadable>": a whole picture that this account may not read;
// righe: the lines expected on stderr; problema: what the last must say besides the file's name.
struct RigaDuePartite { QString file; QByteArray dati; int righe; QString problema; };
Q_DECLARE_METATYPE(RigaDuePartite)

class TestFileRotti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The folder of these games holds no voice: this suite is about pictures and sounds.
        Voce::impostaAttiva(false);
        // The sound system's own complaint, once per process, about the missing server.
        QTemporaryFile f;
        QVERIFY(f.open() && f.write(wav(0.1, 0.1)) > 0);
        f.close();
        const auto l = PluginSuono::nuovoLettore();
        stderrDi([&] { l->suona(f.fileName()); });
    }

    void duePartite_data()
    {
        QTest::addColumn<RigaDuePartite>("riga");
        const QByteArray tutta = gif(1, 1);
        QTest::newRow("picture missing") << RigaDuePartite{"gif/5.gif", QByteArray("<none>"), 1, "not found"};
        QTest::newRow("picture unreadable") << RigaDuePartite{"gif/5.gif", QByteArray("<unreadable>"), 1, "permission denied"};
        QTest::newRow("no gif folder") << RigaDuePartite{"gif", QByteArray("<none>"), 1, ""};
        QTest::newRow("picture empty") << RigaDuePartite{"gif/5.gif", QByteArray(), 1, ""};
        QTest::newRow("GIF cut after its header") << RigaDuePartite{"gif/5.gif", tutta.left(16), 1, ""};
        QTest::newRow("GIF cut in its data") << RigaDuePartite{"gif/5.gif", tutta.left(tutta.size() - 6), 1, ""};
        // libpng adds a line of its own, straight to stderr; the program's pictures are GIFs.
        QTest::newRow("PNG cut in its data") << RigaDuePartite{"gif/5.gif", png(64, 64).left(png(64, 64).size() / 2), 2, ""};
        QTest::newRow("not a picture") << RigaDuePartite{"gif/5.gif", QByteArray("questa non è una figura\n"), 1, "not a picture"};
        QTest::newRow("a folder named 5.gif") << RigaDuePartite{"gif/5.gif", QByteArray("<folder>"), 1, "a folder"};
        QTest::newRow("GIF of 20000 x 20000") << RigaDuePartite{"gif/5.gif", gif(20000, 20000), 1, "too large (20000 x 20000)"};
        QTest::newRow("GIF of 5000 x 2") << RigaDuePartite{"gif/5.gif", gif(5000, 2), 1, "too large (5000 x 2)"};
        QTest::newRow("picture at the size limit") << RigaDuePartite{"gif/5.gif", png(4096, 2), 0, ""};
        QTest::newRow("sound missing") << RigaDuePartite{"suoni/no.wav", QByteArray("<none>"), 1, ""};
        QTest::newRow("no suoni folder") << RigaDuePartite{"suoni", QByteArray("<none>"), 2, ""};
        QTest::newRow("sound empty") << RigaDuePartite{"suoni/no.wav", QByteArray(), 1, ""};
        QTest::newRow("not a WAV") << RigaDuePartite{"suoni/no.wav", QByteArray("RIFF? no, just words\n"), 1, ""};
        QTest::newRow("WAV cut inside its header") << RigaDuePartite{"suoni/no.wav", wav(0.2, 0.2).left(30), 1, ""};
        QTest::newRow("WAV header with no samples") << RigaDuePartite{"suoni/no.wav", wav(0.2, 0.2).left(44), 1, ""};
        QTest::newRow("WAV shorter than its header says") << RigaDuePartite{"suoni/no.wav", wav(0.1, 1.0), 0, ""};
    }
    // "Su di me " with picture 5 facing and "DESTRO": wrong, right, "avanti", wrong, right.
    void duePartite()
    {
        QFETCH(RigaDuePartite, riga);
        const auto& [file, dati, righe, problema] = riga;
        Ambiente a(false);
        const QString cartella = a.cartella.path() + QString::fromUtf8("/Scuola primaria/Classe 1ª/Niccolò");
        scriviFigureDiProva(cartella);
        QDir().mkpath(cartella + "/suoni");
        for (const char* s : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"}) {
            QFile f(cartella + "/suoni/" + s);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(wav(0.2, 0.2)) > 0);
        }
        Percorsi::impostaCartellaProgramma(cartella);
        const QString percorso = cartella + '/' + file;
        QVERIFY(QFile::remove(percorso) || QDir(percorso).removeRecursively());
        if (dati == "<folder>")
            QVERIFY(QDir().mkpath(percorso));
        else if (dati != "<none>") {
            QFile f(percorso);
            const QByteArray d = dati == "<unreadable>" ? gif(1, 1) : dati;
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(d) == d.size());
            if (dati == "<unreadable>")
                QVERIFY(f.setPermissions({}));
        }
        ComeUnAltroUtente altro;
        if (dati == "<unreadable>" && QFile(percorso).open(QIODevice::ReadOnly))
            QSKIP("this account reads files without permissions and cannot give that up");
        const auto lettore = PluginSuono::nuovoLettore();  // no sound server here: it falls back to the beep
        ModuloColoriSuoni::impostaLettore(lettore.get());
        for (int volta = 0; volta < 2; ++volta)
            a.copione({0.5, estrai(4, 28), 0.75, 0.75, 0.0});

        Schermata* s = nullptr;
        const long memoria = piccoKiB();
        QElapsedTimer t;
        t.start();
        const QStringList visto = stderrDi([&] {
            s = &apri(Id::Form1);
            // Refused before decoding: quickly and without room for 20000 x 20000 pixels.
            QVERIFY2(t.elapsed() < 2000 && piccoKiB() - memoria < 100 * 1024, qPrintable(QString::number(t.elapsed())));
            for (int volta = 0; volta < 2; ++volta) {
                QCOMPARE(posaMostrata(immagine(*s, "Image1")->immagine()), righe && file.startsWith("gif") ? 0 : 5);
                clicca(etichetta(*s, "Label3", 1));
                clicca(etichetta(*s, "Label3", 0));
                if (volta == 0)
                    clicca(pulsante(*s, "Command2"));
            }
        });
        ModuloColoriSuoni::impostaLettore(&a.lettore);
        QCOMPARE(quadro(*s), "si [ 2| 2] avanti:1 risposte:00");
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY2(visto.size() == righe, qPrintable(visto.join(QChar(10))));
        if (righe)
            QVERIFY2(visto.last().contains(file.startsWith("suoni") ? cartella + "/suoni/" : percorso) && visto.last().contains(problema),
                     qPrintable(visto.join('\n')));
    }

    // A folder where a sentence's file should be: said for what it is, once, and the game goes on.
    void voceInUnaCartella()
    {
        Ambiente a;
        const QString frase = "CLICCA SUL MIO LATO DESTRO", file = Voce::percorsoDi(frase).section('/', -1);
        QVERIFY(QDir().mkpath(a.cartella.path() + "/voce/" + file));
        Voce::impostaAttiva(true);
        const QStringList visto = stderrDi([&] {
            Voce::parla({frase});
            Voce::parla({frase});
        });
        Voce::impostaAttiva(false);
        QVERIFY2(visto.size() == 1 && visto[0].endsWith(file + " is a folder, not a sound file"), qPrintable(visto.join('\n')));
        QVERIFY(a.lettore.accodati.isEmpty());
    }
};

int main(int argc, char** argv)
{
    // No sound server: the real player falls back to the beep, and nothing reaches a server
    // another test may be recording from.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("PULSE_SERVER", QFile::encodeName(runtime.path() + "/nessuno"));
    QApplication app(argc, argv);
    TestFileRotti test;
    return eseguiTest(argc, argv, &test);
}

#include "test_filerotti.moc"
