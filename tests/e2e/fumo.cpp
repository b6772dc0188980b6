// The built program on a real X display, driven by real pointer events (xdotool) and read from
// screenshots (Qt's own grab of the screen): the title, the menu, one exercise of each family
// answered wrong and right, "Esci" with "No" and with "Sì", and the program's end. It runs from
// a copy in a folder with blanks and accents, started from elsewhere, and must find its files.
//   e2e_fumo <built bussolino> [breve]      (run under tests/support/privato --schermo)
#include "support/Aiuto.h"

#include "ui/Layout.h"

#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <QScreen>
#include <QThread>
#include <cmath>
#include <stdexcept>

namespace {
void verifica(bool vero, const QString& perche)
{
    if (vero)
        return;
    // A screen that cannot be kept does not make a failure pass.
    const bool foto = QGuiApplication::primaryScreen()->grabWindow(0).save("e2e-fallito.png");
    throw std::runtime_error(perche.toStdString() + (foto ? " (the screen: e2e-fallito.png)" : ""));
}

template <class F>
bool entro(F&& vero, int ms = 8000)
{
    QElapsedTimer t;
    for (t.start(); !vero(); QThread::msleep(20))
        if (t.elapsed() > ms)
            return false;
    return true;
}

// Xvfb drops a new connection now and then when others come and go around it, as these calls
// do: a call turned away is made again rather than lost.
QString xdotool(const QStringList& argomenti)
{
    for (int volta = 0;; ++volta) {
        QProcess p;
        p.start("xdotool", argomenti);
        p.waitForFinished(10000);
        const QByteArray errori = p.readAllStandardError();
        if (volta == 50 || !(errori.contains("Can't open display") || errori.contains("xdo instance")))
            return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        QThread::msleep(100);
    }
}

// Starts the program and waits for its first window, by one search on a connection of its own
// rather than a search every few milliseconds, which would make the server drop the program's
// own connection. Should it still be turned away, it ends at once saying it cannot open the
// display: that is the server's doing, and it is started again, twice at most. Any other end
// before a window fails.
void avvia(QProcess& p, const QString& programma, const QStringList& argomenti, const QString& errori)
{
    p.setStandardErrorFile(errori);
    const auto finito = [](QProcess& q) { return q.waitForFinished(0) || q.state() == QProcess::NotRunning; };
    for (int volta = 1;; ++volta) {
        p.start(programma, argomenti);
        verifica(p.waitForStarted(), "the program does not start");
        QElapsedTimer t;
        for (t.start(); !finito(p) && t.elapsed() < 30000;) {
            QProcess ricerca;
            ricerca.start("timeout", {"30", "xdotool", "search", "--sync", "--onlyvisible", "--name", "^Bussolino"});
            ricerca.waitForStarted();
            entro([&] { return finito(p) || finito(ricerca); }, 31000);
            ricerca.kill();
            ricerca.waitForFinished();
            if (ricerca.exitStatus() == QProcess::NormalExit && ricerca.exitCode() == 0)
                return;
            QThread::msleep(100);
        }
        verifica(finito(p), "no window of the program's within 30 s");
        QFile f(errori);
        const bool respinto = f.open(QIODevice::ReadOnly) && f.readAll().contains("cannot open the display");
        verifica(respinto && volta < 3, QString("the program ended with code %1 before showing a window").arg(p.exitCode()));
        std::printf("e2e: the display turned the program away; started again\n");
    }
}

struct Finestra {
    QString id, titolo;
    QRect g;
};

// The program's windows on the screen: every title starts with "Bussolino".
QList<Finestra> visibili()
{
    QList<Finestra> v;
    for (const QString& id : xdotool({"search", "--onlyvisible", "--name", "^Bussolino"}).split('\n', Qt::SkipEmptyParts)) {
        QHash<QString, int> g;
        for (const QString& riga : xdotool({"getwindowgeometry", "--shell", id}).split('\n'))
            g.insert(riga.section('=', 0, 0), riga.section('=', 1).toInt());
        v << Finestra{id, xdotool({"getwindowname", id}), QRect(g["X"], g["Y"], g["WIDTH"], g["HEIGHT"])};
    }
    return v;
}

QImage foto(const QRect& r) { return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage(); }

// How many pixels of `img` `vale` holds for, and where their middle is.
template <class F>
std::pair<int, QPoint> conta(const QImage& img, F&& vale)
{
    QPoint somma;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (vale(img.pixel(x, y)))
                somma += QPoint(x, y), ++n;
    return {n, n ? somma / n : QPoint()};
}

class Bambino {
public:
    // Waits until the one window on the screen is `s`, a new one, painted.
    void schermo(const Layout::Schermo& s)
    {
        const QString prima = finestra.id;
        verifica(entro([&] {
                     const QList<Finestra> v = visibili();
                     return v.size() == 1 && v[0].id != prima && v[0].g.width() == s.larghezza / 15 && (finestra = v[0]).titolo == s.titolo;
                 }),
                 "waited in vain for the screen " + s.nome);
        disegno = &s;
        barra = finestra.g.height() - s.altezza / 15;
        verifica(entro([&] { return qGray(client().pixel(3, 3)) > 0; }), s.nome + " not painted");
        std::printf("e2e: %s\n", qPrintable(s.nome));
    }

    QRect px(const QString& chiave) const
    {
        for (const Layout::Controllo& c : disegno->controlli)
            if (Layout::chiave(c.nome, c.indice) == chiave) {
                const auto p = [](int t) { return int(std::lround(t / 15.0)); };
                const QRect r(p(c.posto.sinistra), p(c.posto.alto), p(c.posto.sinistra + c.posto.larghezza) - p(c.posto.sinistra), p(c.posto.alto + c.posto.altezza) - p(c.posto.alto));
                return c.contenitore.isEmpty() ? r : r.translated(px(c.contenitore).topLeft());
            }
        verifica(false, "no control " + chiave + " on " + disegno->nome);
        return {};
    }
    QImage client() const { return foto(QRect(finestra.g.topLeft() + QPoint(0, barra), QSize(disegno->larghezza, disegno->altezza) / 15)); }
    void clicca(QPoint p, bool click = true)
    {
        xdotool(QStringList{"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())} + (click ? QStringList{"click", "1"} : QStringList{}));
    }
    // The pointer away from every window, so that nothing shows hovered.
    void allontana() { clicca(QPoint(1270, 1010), false); }
    void premi(const QString& chiave) { clicca(finestra.g.topLeft() + QPoint(0, barra) + px(chiave).center()); }

    // The laughing face has a red mouth; the sad one is all yellow and brown.
    QString faccia(const QImage& c) const
    {
        const QRect r = px("ComandoIconaSi");  // inside the face's circle, clear of the background
        const QImage f = c.copy(r.adjusted(r.width() / 5, r.height() / 5, -r.width() / 5, -r.height() / 5));
        const int rosso = conta(f, [](QRgb p) { return qRed(p) > 180 && qGreen(p) < 140 && qBlue(p) < 160; }).first;
        const int giallo = conta(f, [](QRgb p) { return qRed(p) > 230 && qGreen(p) > 180 && qBlue(p) < 110; }).first;
        return giallo < 100 ? "none" : rosso > 10 ? "si" : "no";
    }
    // "avanti" shows its blue arrow only when it can be clicked.
    bool avanti(const QImage& c) const
    {
        const QRect r = px("Command2");
        return conta(c.copy(r.adjusted(r.width() / 8, r.height() / 8, -r.width() / 8, -r.height() / 8)),
                     [](QRgb p) { return qBlue(p) > 150 && qBlue(p) > qRed(p) + 70 && qBlue(p) > qGreen(p) + 30; }).first > 30;
    }
    // The two counts as drawn: every answer judged changes one of them.
    QImage conti(const QImage& c) const { return c.copy(px("EtichettaEsatti").united(px("EtichettaErrati"))); }

    // "Esci" is the last item of the menu bar: its words are the rightmost ink there.
    void esci(bool si)
    {
        const QImage b = foto(QRect(finestra.g.topLeft(), QSize(finestra.g.width(), barra)));
        int x = b.width() - 1;
        while (x > 0 && conta(b.copy(x, 0, 1, barra), [](QRgb p) { return qGray(p) < 110; }).first == 0)
            --x;
        clicca(finestra.g.topLeft() + QPoint(x - 6, barra / 2));
        rispondi(si);
    }

    // A window of the program's other than the screen's: a message box.
    Finestra altra() const
    {
        const QList<Finestra> v = visibili();
        const auto i = std::find_if(v.begin(), v.end(), [&](const Finestra& f) { return f.id != finestra.id; });
        return i == v.end() ? Finestra{} : *i;
    }

    // The message box on top: "Sì" and OK carry a green icon, "No" a red one.
    void rispondi(bool si)
    {
        Finestra box;
        std::pair<int, QPoint> icona;
        verifica(entro([&] {
                     box = altra();
                     icona = conta(foto(box.g), [si](QRgb p) {
                         return si ? qGreen(p) > qRed(p) + 15 && qGreen(p) > qBlue(p) + 10 : qRed(p) > qGreen(p) + 25 && qRed(p) > qBlue(p) + 25;
                     });
                     return !box.id.isEmpty() && icona.first > 10;
                 }),
                 QString("no message box with a %1 button over ").arg(si ? "green" : "red") + disegno->nome);
        std::printf("e2e: message box, %s\n", si ? "Sì" : "No");
        clicca(box.g.topLeft() + icona.second);
        verifica(entro([&] { return altra().id != box.id; }), "the message box stayed");
    }

    // One exercise: answers tried in turn until it closes; until one of them was wrong first,
    // "avanti" and again. Then both counts changed, "Esci" and "No" keep it, "Sì" leaves.
    void esercizio(Id id)
    {
        premi(Catalogo::riga(id).pulsante);
        schermo(Catalogo::layout(id));
        const QImage inizio = client();
        verifica(faccia(inizio) == "si" && !avanti(inizio), disegno->nome + " opens with the laughing face in front and \"avanti\" off");
        bool sbagliata = false;
        for (int volta = 0; volta < 12 && !sbagliata; ++volta) {
            for (const QString& k : chiaviRisposta(id)) {
                const QImage prima = conti(client());
                premi(k);
                QImage dopo;
                entro([&] { return conti(dopo = client()) != prima; }, 700);  // a closed answer does nothing
                if (faccia(dopo) == "no")
                    sbagliata = true;
                if (avanti(dopo))
                    break;
            }
            const QImage c = client();
            verifica(avanti(c) && faccia(c) == "si", disegno->nome + ": no answer was judged right");
            if (!sbagliata) {
                premi("Command2");
                verifica(entro([&] { return !avanti(client()); }), disegno->nome + ": \"avanti\" brought no new exercise");
            }
        }
        verifica(sbagliata, disegno->nome + ": no answer was ever judged wrong");
        allontana();
        const QImage fine = client();
        for (const char* conto : {"EtichettaEsatti", "EtichettaErrati"})
            verifica(fine.copy(px(conto)) != inizio.copy(px(conto)), disegno->nome + ": a count did not change");
        esci(false);
        allontana();
        verifica(client() == fine, disegno->nome + ": \"Esci\" and \"No\" changed the screen");
        esci(true);
        schermo(Catalogo::layout(Id::FormMenu));
    }

    // The first exercise by keyboard alone: Enter starts, Enter opens the exercise the menu's
    // cursor starts on, the arrows answer until the face laughs, Enter brings the next one.
    void tastiera()
    {
        const auto tasto = [](const char* t) { xdotool({"key", "--clearmodifiers", t}); };
        tasto("Return");
        schermo(Catalogo::layout(Id::FormMenu));
        tasto("Return");
        const Id primo = Id::FormDentroFuori1;  // the button top left, where the menu's cursor starts
        schermo(Catalogo::layout(primo));
        for (const char* t : {"Left", "Right"}) {
            tasto(t);
            if (entro([&] { return avanti(client()); }, 1500))
                break;
        }
        verifica(faccia(client()) == "si" && avanti(client()), disegno->nome + ": the arrow keys answered nothing right");
        tasto("Return");
        verifica(entro([&] { return !avanti(client()); }), disegno->nome + ": Enter brought no new exercise");
        std::printf("e2e: %s played by keyboard\n", qPrintable(disegno->nome));
    }

    // The first exercise with two switches alone (--due-sensori): Enter presses what the cursor
    // is on, Space moves it on. The first answer, the other one if that was wrong, "avanti"
    // (where the cursor went), then two steps to "Esci", one from "No" to "Sì", and the menu.
    void dueSensori()
    {
        const auto tasto = [](const char* t) { xdotool({"key", "--clearmodifiers", t}); };
        tasto("Return");
        schermo(Catalogo::layout(Id::FormMenu));
        tasto("Return");
        schermo(Catalogo::layout(Id::FormDentroFuori1));
        tasto("Return");
        if (!entro([&] { return avanti(client()); }, 1500)) {
            tasto("space");
            tasto("Return");
        }
        verifica(entro([&] { return faccia(client()) == "si" && avanti(client()); }, 1500),
                 disegno->nome + ": the switches answered nothing right");
        tasto("Return");
        verifica(entro([&] { return !avanti(client()); }), disegno->nome + ": Enter on \"avanti\" brought no new exercise");
        for (const char* t : {"space", "space", "Return"})  // "DESTRA", "SINISTRA", "Esci"
            tasto(t);
        verifica(entro([&] { return !altra().id.isEmpty(); }), disegno->nome + ": the switches did not reach \"Esci\"");
        tasto("space");
        tasto("Return");
        schermo(Catalogo::layout(Id::FormMenu));
        std::printf("e2e: %s played with two switches, and back to the menu\n", qPrintable(Catalogo::layout(Id::FormDentroFuori1).nome));
    }

    Finestra finestra;
    const Layout::Schermo* disegno = nullptr;
    int barra = 0;
};
}  // namespace

// On a display of its own that then goes away under an open exercise, after a sound: the
// program ends as Qt ends it, with exit code 1, not with a crash.
void senzaSchermo(const QString& programma)
{
    int n = 90;
    while (QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
        ++n;
    QProcess x;
    x.start("Xvfb", {QString(":%1").arg(n), "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    verifica(entro([&] { return QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(n)); }), "no second display");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString(":%1").arg(n));
    QProcess p, tasti;
    p.setProcessEnvironment(env);
    tasti.setProcessEnvironment(env);
    p.start(programma, {});
    for (const char* t : {"Return", "Return", "Right", "Left"}) {  // title, menu, two answers
        QThread::msleep(1500);
        tasti.start("xdotool", {"key", t});
        tasti.waitForFinished();
    }
    QThread::msleep(500);
    x.kill();
    x.waitForFinished();
    verifica(p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 1,
             QString("without its display the program ended with status %1, code %2").arg(p.exitStatus()).arg(p.exitCode()));
    std::printf("e2e: display gone under an exercise, the program ended with code 1\n");
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const bool breve = argc > 2;  // "breve": one exercise only, for the package test
    // A copy of the program with its pictures, sounds, voice and sound player, in a folder with
    // blanks and accents.
    QTemporaryDir lavoro;
    const QString da = QFileInfo(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString cartella = lavoro.path() + QString::fromUtf8("/Scuola primaria/Classe 1ª/Niccolò");
    for (const QString parte : {"gif", "suoni", "voce", "lib"}) {
        QDir().mkpath(cartella + '/' + parte);
        for (const QFileInfo& f : QDir(da + '/' + parte).entryInfoList(QDir::Files))
            QFile::copy(f.filePath(), cartella + '/' + parte + '/' + f.fileName());
    }
    QFile::copy(argv[1], cartella + "/bussolino");
    QProcess programma;
    programma.setWorkingDirectory(lavoro.path());
    const QString errori = lavoro.path() + "/stderr.txt";
    Bambino b;
    try {
        avvia(programma, cartella + "/bussolino", {}, errori);
        b.schermo(Catalogo::layout(Id::FormAvvio));
        b.premi("BottoneAvvio");
        b.schermo(Catalogo::layout(Id::FormMenu));
        b.esercizio(Id::Form1);
        if (!breve) {
            b.esercizio(Id::Form4);
            b.esercizio(Id::Form8);
            b.esercizio(Id::Form10);
        }
        b.allontana();
        const QImage menu = b.client();
        b.premi("Command1");
        b.rispondi(false);
        b.allontana();
        verifica(b.client() == menu, "the menu changed after \"Esci\" and \"No\"");
        b.premi("Command1");
        b.rispondi(true);
        verifica(programma.waitForFinished(10000) && programma.exitStatus() == QProcess::NormalExit && programma.exitCode() == 0,
                 "the program did not end well after \"Esci\" and \"Sì\"");
        QFile scritti(errori);
        scritti.open(QIODevice::ReadOnly);
        const QByteArray lamentele = scritti.readAll();
        verifica(!lamentele.contains("bussolino:"), "the program missed some of its files:\n" + QString::fromUtf8(lamentele));
        if (!breve) {
            // Again by keyboard alone.
            QProcess di_nuovo;
            di_nuovo.setWorkingDirectory(lavoro.path());
            avvia(di_nuovo, cartella + "/bussolino", {}, errori);
            b.schermo(Catalogo::layout(Id::FormAvvio));
            b.tastiera();
            di_nuovo.kill();
            di_nuovo.waitForFinished();
            // And with two switches.
            QProcess sensori;
            sensori.setWorkingDirectory(lavoro.path());
            avvia(sensori, cartella + "/bussolino", {"--due-sensori"}, errori);
            b.schermo(Catalogo::layout(Id::FormAvvio));
            b.dueSensori();
            sensori.kill();
            sensori.waitForFinished();
            senzaSchermo(cartella + "/bussolino");
        }
    } catch (const std::exception& e) {
        std::printf("FAIL: %s\n", e.what());
        programma.kill();
        programma.waitForFinished();
        return 1;
    }
    std::printf("e2e: title, menu, %s answered wrong and right, \"Esci\" with \"No\" and \"Sì\"\n", breve ? "one exercise" : "four exercises");
    return 0;
}
