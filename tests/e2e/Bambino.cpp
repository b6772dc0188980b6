// A child's session with the built program on a real X display: the title, the menu, every
// exercise answered wrong once and right once, "avanti", the count reset, the information
// box, "Esci" with "No" and with "Sì", and both ways of ending the program. Every click is a
// real pointer event at the designed place; every check reads a screenshot.
//
// The program runs from a folder of its own whose gif/ holds flat-coloured pictures, one
// colour per pose number: the colour on the screen tells the pose, and so the right answer.
//
//   e2e_bambino <built bussolino>     (run by tests/e2e/esegui on a private X display)
#include "Lettura.h"
#include "SchermoX.h"

#include "services/Modulo1.h"
#include "Schermate.h"
#include "ui/Layout.h"
#include "ui/Risorse.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>

using Lettura::Faccia;

namespace {

const Layout::Schermo& layoutDi(const QString& nome)
{
    for (const Schermate::Voce& v : Schermate::tabella())
        if (nome == QLatin1String(v.nome))
            return Schermate::layout(v.id);
    throw std::logic_error("no screen " + nome.toStdString());
}


struct Fallimento : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The screen as it was when a check failed, kept beside the test's output.
QString FotoDelFallimento()
{
    return QDir::current().absoluteFilePath("e2e-fallito.png");
}

[[noreturn]] void Fallisci(const QString& perche)
{
    SchermoX::Cattura(QRect(0, 0, 1280, 1024)).save(FotoDelFallimento());
    throw Fallimento(perche.toStdString());
}

void Verifica(bool vero, const QString& perche)
{
    if (!vero)
        Fallisci(perche);
}

// ------------------------------------------------------------------ the program's folder

// A short answer sound, so the program finds every file it looks for.
QByteArray Wav(double hz)
{
    const int frequenza = 22050, campioni = frequenza / 5;
    QByteArray dati;
    for (int i = 0; i < campioni; ++i) {
        const int16_t v = int16_t(8000 * std::sin(2 * M_PI * hz * i / frequenza));
        dati.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
    }
    auto u32 = [](uint32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](uint16_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    return "RIFF" + u32(36 + uint32_t(dati.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(frequenza)
           + u32(frequenza * 2) + u16(2) + u16(16) + "data" + u32(uint32_t(dati.size())) + dati;
}

void PreparaCartella(const QString& cartella, const QString& programma)
{
    Verifica(QDir().mkpath(cartella + "/gif") && QDir().mkpath(cartella + "/suoni"), "cannot make " + cartella);
    QFile::remove(cartella + "/bussolino");
    Verifica(QFile::copy(programma, cartella + "/bussolino"), "cannot copy the program into " + cartella);
    // Its sound player comes with it.
    const QString lettore = "/lib/libbussolino_suono.so";
    QDir().mkpath(cartella + "/lib");
    QFile::remove(cartella + lettore);
    Verifica(QFile::copy(QFileInfo(programma).absolutePath() + lettore, cartella + lettore), "cannot copy the sound player");
    for (int n = 1; n <= Modulo1::NumeroPose; ++n) {
        QImage i(16, 16, QImage::Format_RGB32);
        i.fill(Lettura::ColorePosa(n));
        // The program decides a picture's format from its content, so PNG data serves as N.gif.
        Verifica(i.save(cartella + QStringLiteral("/gif/%1.gif").arg(n), "PNG"), "cannot write the pictures");
    }
    const char* nomi[] = {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"};
    for (int k = 0; k < 5; ++k) {
        QFile f(cartella + "/suoni/" + nomi[k]);
        Verifica(f.open(QIODevice::WriteOnly) && f.write(Wav(440 + 110 * k)) > 0, "cannot write the sounds");
    }
    // The voice the build made.
    const QDir voce(QFileInfo(programma).absolutePath() + "/voce");
    QDir().mkpath(cartella + "/voce");
    for (const QString& n : voce.entryList(QDir::Files))
        QFile::copy(voce.filePath(n), cartella + "/voce/" + n);
}

// ------------------------------------------------------------------ the running program

class Programma {
public:
    Programma(const QString& cartella, const QString& lavoro) : errori(lavoro + "/stderr.txt")
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        // No sound server to be found: the program beeps instead, and that is fine here.
        QDir().mkpath(lavoro + "/runtime");
        QFile::setPermissions(lavoro + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert("XDG_RUNTIME_DIR", lavoro + "/runtime");
        p.setProcessEnvironment(env);
        p.setStandardErrorFile(errori);
        p.setStandardOutputFile(QProcess::nullDevice());
        // Started from elsewhere: the program must find its folders beside itself, not here.
        p.setWorkingDirectory(lavoro);
        p.start(cartella + "/bussolino", {});
        Verifica(p.waitForStarted(10000), "the program does not start: " + p.errorString());
    }
    ~Programma()
    {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished(5000);
        }
    }
    // Ended by itself within `ms`, normally and with code 0.
    void AspettaFine(int ms)
    {
        Verifica(p.waitForFinished(ms), "the program is still running");
        Verifica(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
                 QStringLiteral("the program ended badly (status %1, code %2)").arg(int(p.exitStatus())).arg(p.exitCode()));
    }
    // What the program said on stderr about files it could not use.
    QStringList Lamentele() const
    {
        QFile f(errori);
        f.open(QIODevice::ReadOnly);
        QStringList righe;
        for (const QByteArray& r : f.readAll().split('\n'))
            if (r.startsWith("bussolino:"))
                righe << QString::fromUtf8(r);
        return righe;
    }

private:
    QString errori;
    QProcess p;
};

// ------------------------------------------------------------------ the child

struct Mossa {
    QString nome;
    int indice = -1;
};

// One exercise as the child reads it off the screen, and how to answer it.
struct Esercizio {
    QString descrizione;
    QList<Mossa> giuste;     // the clicks that answer it right, in this order
    QList<Mossa> gemelle;    // detective: other pictures that fit the description just as well
    Mossa sbagliata;
    int animale = 0;         // the lines screens: the animal on show
};

class Bambino {
public:
    int passi = 0;

    void Passo(const QString& cosa)
    {
        ++passi;
        std::printf("  ok %3d  %s\n", passi, qPrintable(cosa));
        std::fflush(stdout);
    }

    // -------------------------------------------------------------- screens and windows

    // Waits until the one open window is the screen `s`, painted.
    void AspettaSchermo(const Layout::Schermo& s)
    {
        disegno = &s;
        scarti.clear();
        const QSize client(s.larghezza / Layout::TwipPerPixel, s.altezza / Layout::TwipPerPixel);
        Aspetta(
            [&] {
                const QList<SchermoX::Finestra> v = SchermoX::Visibili();
                if (v.size() != 1 || v[0].geometria.width() != client.width()
                    || v[0].geometria.height() < client.height())
                    return false;
                finestra = v[0];
                return true;
            },
            "the screen " + s.nome + " as the only window");
        // The menu bar stands above the client area; the title screen and the menu have none.
        barra = finestra.geometria.height() - client.height();
        Verifica(s.menu.isEmpty() ? barra == 0 : (barra > 10 && barra < 60),
                 QStringLiteral("%1: %2 px above the client area").arg(s.nome).arg(barra));
        Aspetta([&] { return Sfondo() != qRgb(0, 0, 0); }, s.nome + " painted");
    }

    QRect Px(const QString& nome, int indice = -1) const
    {
        const Layout::Controllo& c = Controllo(nome, indice);
        auto x = [](int twip) { return int(std::lround(twip / double(Layout::TwipPerPixel))); };
        QRect r(x(c.posto.sinistra), x(c.posto.alto), x(c.posto.sinistra + c.posto.larghezza) - x(c.posto.sinistra), x(c.posto.alto + c.posto.altezza) - x(c.posto.alto));
        if (!c.contenitore.isEmpty())
            r.translate(Px(c.contenitore).topLeft());
        return r;
    }

    const Layout::Controllo& Controllo(const QString& nome, int indice = -1) const
    {
        for (const Layout::Controllo& c : disegno->controlli)
            if (c.nome == nome && c.indice == indice)
                return c;
        Fallisci("no control " + Layout::chiave(nome, indice) + " on " + disegno->nome);
    }

    QImage Client() const
    {
        return SchermoX::Cattura(QRect(finestra.geometria.topLeft() + QPoint(0, barra),
                                       QSize(disegno->larghezza, disegno->altezza) / Layout::TwipPerPixel));
    }
    QImage Di(const QString& nome, int indice = -1) const { return Client().copy(Px(nome, indice)); }
    QRgb Sfondo() const { return Client().pixel(3, 3); }

    void Premi(const QString& nome, int indice = -1)
    {
        SchermoX::Clicca(finestra.geometria.topLeft() + QPoint(0, barra) + Px(nome, indice).center());
    }
    void Premi(const Mossa& m) { Premi(m.nome, m.indice); }

    // Polls until `vero` holds; false after `ms`.
    template <class F>
    static bool Entro(F&& vero, int ms = 8000)
    {
        QElapsedTimer t;
        t.start();
        while (!vero()) {
            if (t.elapsed() > ms)
                return false;
            QThread::msleep(15);
        }
        return true;
    }

    template <class F>
    void Aspetta(F&& vero, const QString& cosa, int ms = 8000)
    {
        if (!Entro(vero, ms))
            Fallisci("waited " + QString::number(ms) + " ms in vain for " + cosa);
    }

    // -------------------------------------------------------------- what the screen shows

    // Each reads one screenshot of the client area, so that what it reads belongs together.
    Faccia FacciaMostrata(const QImage& c) const { return Lettura::LeggiFaccia(c.copy(Px("ComandoIconaSi"))); }
    bool Avanti(const QImage& c) const { return Lettura::AvantiAttivo(c.copy(Px("Command2")), c.pixel(3, 3)); }
    QString Conteggio(const QImage& c, const QString& nome)
    {
        const QImage r = c.copy(Px(nome));
        const QRgb sfondo = c.pixel(3, 3);
        // Where "0" stands on opening is where every count must start: the blank before the
        // digits of " 1" then shows as a shift.
        if (!scarti.contains(nome)) {
            const Lettura::Letto l = Lettura::LeggiConteggio(r, sfondo, Controllo(nome));
            if (l.testo == "0" && l.somiglianza > 0.8)
                scarti.insert(nome, l.scarto);
            return l.somiglianza > 0.8 ? l.testo : "?";
        }
        const Lettura::Letto l = Lettura::LeggiConteggio(r, sfondo, Controllo(nome), scarti.value(nome));
        return l.somiglianza > 0.75 ? l.testo : "?";
    }
    QString Conteggio(const QString& nome) { return Conteggio(Client(), nome); }

    // The counts as the child should now see them: "0" until the first answer, then " n".
    QString Atteso(int n, bool toccato) const { return toccato ? ' ' + QString::number(n) : QStringLiteral("0"); }

    // Waits until the face, both counts and "avanti" read as expected.
    void Stato(Faccia faccia, bool avanti, const QString& perche)
    {
        const QString e = Atteso(esatti, toccatiEsatti), s = Atteso(errati, toccatiErrati);
        QString visto;
        const bool ok = Entro([&] {
            const QImage c = Client();
            const Faccia f = FacciaMostrata(c);
            const QString ve = Conteggio(c, "EtichettaEsatti"), vs = Conteggio(c, "EtichettaErrati");
            const bool a = Avanti(c);
            visto = QStringLiteral("%1, Esatti \"%2\", Errati \"%3\", avanti %4")
                        .arg(Lettura::Nome(f), ve, vs, a ? "enabled" : "disabled");
            return f == faccia && ve == e && vs == s && a == avanti;
        });
        Verifica(ok, QStringLiteral("%1: expected %2, Esatti \"%3\", Errati \"%4\", avanti %5; the screen shows %6")
                         .arg(perche, Lettura::Nome(faccia), e, s, avanti ? "enabled" : "disabled", visto));
    }

    void ColoreDellElenco(const QString& dove)
    {
        const QRgb c = Sfondo();
        Verifica(Lettura::ColoreDellElenco(c), dove + ": background " + Lettura::Nome(c) + " is not in the list");
    }

    // The menu bar's items, left to right: where their words stand.
    QList<QPoint> VociMenu()
    {
        const QImage b = SchermoX::Cattura(QRect(finestra.geometria.topLeft(), QSize(finestra.geometria.width(), barra)));
        QList<QPair<int, int>> gruppi;
        int ultimo = -100;
        for (int x = 0; x < b.width(); ++x) {
            bool scritto = false;
            for (int y = 0; y < b.height() && !scritto; ++y)
                scritto = qMax(qRed(b.pixel(x, y)), qMax(qGreen(b.pixel(x, y)), qBlue(b.pixel(x, y)))) < 110;
            if (!scritto)
                continue;
            // Words of one item stand closer than the trailing blanks that part the items.
            if (x - ultimo > 14)
                gruppi.append({x, x});
            gruppi.last().second = x;
            ultimo = x;
        }
        Verifica(gruppi.size() == 3, QStringLiteral("%1: %2 items in the menu bar, not 3").arg(disegno->nome).arg(gruppi.size()));
        QList<QPoint> voci;
        for (const auto& g : gruppi)
            voci << finestra.geometria.topLeft() + QPoint((g.first + g.second) / 2, barra / 2);
        return voci;
    }

    // Waits for a message box on top of the screen.
    SchermoX::Finestra AspettaRiquadro(const QString& cosa, bool domanda = true)
    {
        SchermoX::Finestra box;
        Aspetta(
            [&] {
                for (const SchermoX::Finestra& f : SchermoX::Visibili())
                    if (f.id != finestra.id) {
                        box = f;
                        return true;
                    }
                return false;
            },
            cosa);
        Riconosci(box, domanda, cosa);
        return box;
    }

    // A question has "Sì" (green icon) and "No" (red icon); the information box only "OK" (green).
    void Riconosci(const SchermoX::Finestra& box, bool domanda, const QString& cosa)
    {
        QImage img;
        Aspetta(
            [&] {
                img = SchermoX::Cattura(box.geometria);
                return Lettura::IconaVerde(img).x() >= 0;
            },
            cosa + " painted");
        Verifica((Lettura::IconaRossa(img).x() >= 0) == domanda,
                 cosa + (domanda ? ": no \"No\" button" : ": a \"No\" button in the information box"));
    }

    // Clicks the button of the box whose icon is green (Sì, OK) or red (No).
    void Rispondi(const SchermoX::Finestra& box, bool verde)
    {
        QPoint icona(-1, -1);
        Aspetta(
            [&] {
                const QImage img = SchermoX::Cattura(box.geometria);
                icona = verde ? Lettura::IconaVerde(img) : Lettura::IconaRossa(img);
                return icona.x() >= 0;
            },
            QString("the ") + (verde ? "green" : "red") + " button icon of the message box");
        SchermoX::Clicca(box.geometria.topLeft() + icona);
        Aspetta(
            [&] {
                for (const SchermoX::Finestra& f : SchermoX::Visibili())
                    if (f.id == box.id)
                        return false;
                return true;
            },
            "the message box to close");
    }

    // -------------------------------------------------------------- title and menu

    void Titolo()
    {
        AspettaSchermo(Schermate::layout(Schermate::Id::FormAvvio));
        ColoreDellElenco("title screen");
        const Lettura::Letto t = Lettura::LeggiTesto(Di("Label2", 0), Sfondo(), Controllo("Label2", 0), {"Bussolino"});
        Verifica(t.somiglianza > 0.7, QStringLiteral("title screen: \"Bussolino\" not seen (%1)").arg(t.somiglianza));
        Verifica(Lettura::Diversi(Di("BottoneAvvio"), Sfondo(), 10) > Px("BottoneAvvio").width() * Px("BottoneAvvio").height() / 2,
                 "title screen: no \"Avvio\" button");
        Passo("title screen: \"Bussolino\" and \"Avvio\" on " + Lettura::Nome(Sfondo()));
    }

    void Avvio()
    {
        Premi("BottoneAvvio");
        Menu("\"Avvio\"");
    }

    void Menu(const QString& daDove)
    {
        AspettaSchermo(Schermate::layout(Schermate::Id::FormMenu));
        ColoreDellElenco("menu");
        for (const Layout::Controllo& c : disegno->controlli)
            Verifica(Lettura::Diversi(Di(c.nome), Sfondo(), 10) > Px(c.nome).width() * Px(c.nome).height() / 2,
                     "menu: no button " + c.nome);
        Passo("menu after " + daDove + ": twelve buttons on " + Lettura::Nome(Sfondo()));
    }

    void MenuEsciNo()
    {
        const QRgb prima = Sfondo();
        Premi("Command1");
        Rispondi(AspettaRiquadro("the question \"Vuoi uscire dal programma?\""), false);
        Verifica(SchermoX::Visibili().size() == 1 && SchermoX::Visibili()[0].id == finestra.id, "menu gone after \"No\"");
        Verifica(Sfondo() == prima, "menu changed colour after \"No\"");
        Passo("menu \"Esci\", \"No\": the menu stays as it was");
    }

    void MenuEsciSi(Programma& p)
    {
        Premi("Command1");
        Rispondi(AspettaRiquadro("the question \"Vuoi uscire dal programma?\""), true);
        p.AspettaFine(10000);
        Verifica(SchermoX::Visibili().isEmpty(), "a window is still open after the program ended");
        Passo("menu \"Esci\", \"Sì\": the program ends");
    }

    // -------------------------------------------------------------- reading an exercise

    int Posa(const QString& nome, int indice = -1)
    {
        const QRect r = Px(nome, indice);
        // A quarter in from the left: on "Su di me " the red line runs down the middle.
        const QRgb c = Client().pixel(r.left() + r.width() / 4, r.center().y());
        const int n = Lettura::PosaDaColore(c);
        Verifica(n > 0, disegno->nome + ": no figure picture in " + Layout::chiave(nome, indice) + " (colour "
                            + Lettura::Nome(c) + ")");
        return n;
    }

    QString Leggi(const QString& nome, QRgb sfondo, const QStringList& candidati)
    {
        const Lettura::Letto l = Lettura::LeggiTesto(Di(nome), sfondo, Controllo(nome), candidati);
        Verifica(l.somiglianza > 0.75 && l.somiglianza > l.seconda + 0.04,
                 QStringLiteral("%1: %2 is unreadable (best \"%3\" at %4, next at %5)")
                     .arg(disegno->nome, nome, l.testo)
                     .arg(l.somiglianza, 0, 'f', 2)
                     .arg(l.seconda, 0, 'f', 2));
        return l.testo;
    }

    // The one animal picture that shows among `nome`(da..a), on the background `sfondo`.
    int Animale(const QString& nome, int da, int a, QRgb sfondo)
    {
        int migliore = -1, piu = 0, secondo = 0;
        for (int i = da; i <= a; ++i) {
            const int n = Lettura::Diversi(Di(nome, i), sfondo);
            if (n > piu) {
                secondo = piu;
                piu = n;
                migliore = i;
            } else if (n > secondo) {
                secondo = n;
            }
        }
        Verifica(piu > 80 && secondo * 2 < piu, QStringLiteral("%1: not exactly one picture among %2 (%3, %4 px)")
                                                    .arg(disegno->nome, nome).arg(piu).arg(secondo));
        return migliore;
    }

    static QString Frase(int codice)
    {
        static const char* frasi[] = {"", "APERTO VERSO L'ALTO", "VERSO L'ESTERNO", "IN ALTO", "IN BASSO"};
        return QString::fromLatin1(frasi[codice]);
    }

    static QString Descrizione(int n)
    {
        using namespace Modulo1;
        return "HA IL BRACCIO DESTRO " + Frase(BraccioDestro(n)) + ".\r\n\r\nHA IL BRACCIO SINISTRO "
               + Frase(BraccioSinistro(n)) + ".\r\n\r\n"
               + (GambeUnite(n) ? "HA LE GAMBE UNITE." : "HA LE GAMBE DIVARICATE.") + "\r\n";
    }

    Esercizio LeggiEsercizio()
    {
        const QString s = disegno->nome;
        const QRgb bianco = qRgb(255, 255, 255);
        Esercizio e;
        if (s == "Form1" || s == "Form2") {
            const int n = Posa("Image1");
            const QString base = s == "Form1" ? "CLICCA SUL MIO LATO " : "IL MICETTO E' ALLA MIA ";
            const QStringList lati = s == "Form1" ? QStringList{"DESTRO", "SINISTRO"} : QStringList{"DESTRA", "SINISTRA"};
            const QString t = Leggi("Label5", bianco, {base + lati[0], base + lati[1]});
            const bool destro = t.endsWith(lati[0]);
            // A figure facing the child has its own right side on the child's left.
            const bool diFronte = n <= 28;
            const int lato = destro == diFronte ? 0 : 1;
            e.giuste = {{"Label3", lato}};
            e.sbagliata = {"Label3", 1 - lato};
            e.descrizione = QStringLiteral("picture %1, \"%2\"").arg(n).arg(t);
        } else if (s == "Form3") {
            const int n = Posa("Image1");
            const int i = Animale("Picture1", 0, 9, Sfondo());
            // 5 to 9 stand in the column on the child's right: the figure's left when it faces the child.
            const bool destra = (i >= 5) != (n <= 28);
            e.giuste = {{destra ? "Command1" : "Command3"}};
            e.sbagliata = {destra ? "Command3" : "Command1"};
            e.descrizione = QStringLiteral("picture %1, object %2: %3").arg(n).arg(i).arg(destra ? "DESTRA" : "SINISTRA");
        } else if (s == "Form4" || s == "Form5" || s == "Form6") {
            const int n = Posa("Image1");
            const bool daDietro = n > 28;
            Verifica(s == "Form4" ? daDietro : s == "Form5" ? !daDietro : true, QStringLiteral("%1 shows picture %2").arg(s).arg(n));
            Verifica(Modulo1::BraccioDestro(n) != Modulo1::BraccioSinistro(n),
                     QStringLiteral("%1 shows picture %2, whose arms are alike").arg(s).arg(n));
            QStringList candidati;
            for (const char* lato : {"DESTRO ", "SINISTRO "})
                for (int c = 1; c <= 4; ++c)
                    candidati << "HO IL BRACCIO " + QString(lato) + Frase(c);
            const QString t = Leggi("Label5", bianco, candidati);
            const bool destro = t.startsWith("HO IL BRACCIO DESTRO");
            const int codice = int(candidati.indexOf(t) % 4) + 1;
            const int vero = destro ? Modulo1::BraccioDestro(n) : Modulo1::BraccioSinistro(n);
            const int altro = destro ? Modulo1::BraccioSinistro(n) : Modulo1::BraccioDestro(n);
            Verifica(codice == vero || codice == altro, s + ": \"" + t + "\" fits neither arm of the picture");
            e.giuste = {{codice == vero ? "Command1" : "Command3"}};
            e.sbagliata = {codice == vero ? "Command3" : "Command1"};
            e.descrizione = QStringLiteral("picture %1, \"%2\": %3").arg(n).arg(t, codice == vero ? "VERO" : "FALSO");
        } else if (s == "Form7" || s == "Form8" || s == "Form9") {
            int pose[6];
            QStringList candidati;
            for (int i = 0; i < 6; ++i) {
                pose[i] = Posa("Image1", i);
                for (int k = 0; k < i; ++k)
                    Verifica(pose[k] != pose[i], QStringLiteral("%1 shows picture %2 twice").arg(s).arg(pose[i]));
                Verifica((pose[i] > 28) == (pose[0] > 28), s + ": pictures facing and from behind together");
                if (!candidati.contains(Descrizione(pose[i])))
                    candidati << Descrizione(pose[i]);
            }
            Verifica(s == "Form7" ? pose[0] > 28 : s == "Form8" ? pose[0] <= 28 : true, s + ": pictures of the wrong view");
            const QString t = Leggi("Label5", bianco, candidati);
            e.descrizione = "pictures";
            for (int i = 0; i < 6; ++i) {
                e.descrizione += QStringLiteral(" %1").arg(pose[i]);
                if (Descrizione(pose[i]) != t)
                    e.sbagliata = {"Image1", i};
                else if (e.giuste.isEmpty())
                    e.giuste = {{"Image1", i}};
                else
                    e.gemelle << Mossa{"Image1", i};
            }
            e.descrizione += QStringLiteral(", described: %1").arg(e.giuste[0].indice);
        } else if (s == "FormDentroFuori1") {
            const int i = Animale("PictureDentro", 1, 30, bianco);
            const bool destra = i <= 15;
            e.animale = i;
            e.giuste = {{destra ? "Command1" : "Command3"}};
            e.sbagliata = {destra ? "Command3" : "Command1"};
            e.descrizione = QStringLiteral("animal %1: %2").arg(i).arg(destra ? "DESTRA" : "SINISTRA");
        } else if (s == "Form10") {
            const int i = Animale("PictureDentro", 1, 45, bianco);
            e.animale = i;
            e.giuste = {{i <= 30 ? "Command1" : "Command3"}, {i <= 15 ? "Command4" : "Command5"}};
            e.sbagliata = {i <= 30 ? "Command3" : "Command1"};
            e.descrizione = QStringLiteral("animal %1").arg(i);
        }
        return e;
    }

    // What Label3 of the lines screens says after the right answers so far.
    QString Restato(const Esercizio& e, int giuste) const
    {
        if (disegno->nome == "FormDentroFuori1")
            return giuste == 0 ? QString() : e.animale <= 15 ? "DESTRA" : "SINISTRA";
        QString t;
        if (giuste >= 1)
            t += e.animale <= 30 ? "A DESTRA DELLA RIGA GIALLA.\r\n" : "A SINISTRA DELLA RIGA GIALLA.\r\n";
        if (giuste >= 2)
            t += e.animale <= 15 ? "A DESTRA DELLA RIGA VERDE.\r\n" : "A SINISTRA DELLA RIGA VERDE.\r\n";
        return t;
    }

    void VerificaRestato(const Esercizio& e, int giuste)
    {
        if (disegno->nome != "FormDentroFuori1" && disegno->nome != "Form10")
            return;
        const QString atteso = Restato(e, giuste);
        QStringList candidati{atteso};
        for (const QString& altro : {QString(), QString("DESTRA"), QString("SINISTRA"),
                                     QString("A DESTRA DELLA RIGA GIALLA.\r\n"), QString("A SINISTRA DELLA RIGA GIALLA.\r\n"),
                                     QString("A DESTRA DELLA RIGA VERDE.\r\n"), QString("A SINISTRA DELLA RIGA VERDE.\r\n")})
            if (!candidati.contains(altro))
                candidati << altro;
        QString visto;
        const bool ok = Entro([&] {
            const Lettura::Letto l = Lettura::LeggiTesto(Di("Label3"), qRgb(255, 255, 255), Controllo("Label3"), candidati);
            visto = l.testo;
            return l.testo == atteso && l.somiglianza > 0.75;
        });
        Verifica(ok, disegno->nome + ": Label3 should read \"" + atteso + "\" but reads \"" + visto + "\"");
    }

    // -------------------------------------------------------------- playing

    // Answers the exercise on show right, with a wrong answer first when `sbagliaPrima`.
    void Risolvi(const Esercizio& e, bool sbagliaPrima)
    {
        const bool dueCoppie = disegno->nome == "Form10";
        if (sbagliaPrima) {
            Premi(e.sbagliata);
            ++errati, toccatiErrati = true;
            Stato(Faccia::Triste, false, disegno->nome + ", wrong answer (" + e.descrizione + ")");
            VerificaRestato(e, 0);
            if (disegno->nome == "Form2")
                for (int k : {0, 1})
                    Verifica(Lettura::Diversi(Di("PictureGatto", k), qRgb(255, 255, 255)) == 0, "Form2: a kitten after a wrong answer");
        }
        for (int k = 0; k < e.giuste.size(); ++k) {
            Premi(e.giuste[k]);
            ++esatti, toccatiEsatti = true;
            if (!e.gemelle.isEmpty()) {
                // Two pictures of the same pose fit the description: the program may take only one.
                QString ve, vs;
                Aspetta(
                    [&] {
                        const QImage c = Client();
                        ve = Conteggio(c, "EtichettaEsatti"), vs = Conteggio(c, "EtichettaErrati");
                        return ve == Atteso(esatti, true) || vs == Atteso(errati + 1, true);
                    },
                    disegno->nome + ": a count to change after clicking the described picture");
                if (ve != Atteso(esatti, true)) {
                    --esatti, ++errati, toccatiErrati = true;
                    Premi(e.gemelle[0]);
                    ++esatti;
                }
            }
            const bool ultima = k + 1 == e.giuste.size();
            Stato(Faccia::Ride, ultima, disegno->nome + ", right answer (" + e.descrizione + ")");
            VerificaRestato(e, k + 1);
            if (dueCoppie && !ultima) {
                // The other pair still waits; the answered pair no longer reacts.
                Premi(e.giuste[k]);
                QThread::msleep(150);
                Stato(Faccia::Ride, false, "Form10, the yellow pair after its right answer");
            }
        }
        if (disegno->nome == "Form2") {
            const int k = e.giuste[0].indice;
            Verifica(Lettura::Diversi(Di("PictureGatto", k), qRgb(255, 255, 255)) > 100, "Form2: no kitten in the right square");
            Verifica(Lettura::Diversi(Di("PictureGatto", 1 - k), qRgb(255, 255, 255)) == 0, "Form2: a kitten in the wrong square");
        }
    }

    void Esercita(const QString& pulsanteMenu, const QString& schermo)
    {
        Premi(pulsanteMenu);
        AspettaSchermo(layoutDi(schermo));
        const bool proprio = schermo == "FormDentroFuori1" || schermo == "Form10";
        const QRgb fisso = Lettura::Rgb(schermo == "Form10" ? 0xFFC0FF : 0xFFFFC0);
        auto colore = [&](const QString& quando) {
            if (proprio)
                Verifica(Sfondo() == fisso, schermo + ": background " + Lettura::Nome(Sfondo()) + " " + quando);
            else
                ColoreDellElenco(schermo + " " + quando);
        };
        esatti = errati = 0;
        toccatiEsatti = toccatiErrati = false;
        colore("on opening");
        Stato(Faccia::Ride, false, schermo + " on opening");
        Esercizio e = LeggiEsercizio();
        if (schermo == "Form2")
            for (int k : {0, 1})
                Verifica(Lettura::Diversi(Di("PictureGatto", k), qRgb(255, 255, 255)) == 0, "Form2: a kitten before the answer");
        VerificaRestato(e, 0);
        Passo(schermo + " opens: counts 0 and 0, laughing face, \"avanti\" disabled; " + e.descrizione);

        Risolvi(e, true);
        Passo(schermo + ": wrong answer, then right answer, counted and faced");

        // Answered: the controls no longer react.
        Premi(e.sbagliata);
        QThread::msleep(150);
        Stato(Faccia::Ride, true, schermo + " answered, another click");

        Premi("Command2");
        Stato(Faccia::Ride, false, schermo + " after \"avanti\"");
        colore("after \"avanti\"");
        e = LeggiEsercizio();
        VerificaRestato(e, 0);
        Risolvi(e, false);
        Passo(schermo + ": \"avanti\", a new exercise answered right (" + e.descrizione + ")");

        QList<QPoint> voci = VociMenu();
        SchermoX::Clicca(voci[2]);
        Rispondi(AspettaRiquadro(schermo + ": the question \"Vuoi tornare al menù?\""), false);
        Stato(Faccia::Ride, true, schermo + " after \"Esci\" and \"No\"");
        Passo(schermo + ": \"Esci\", \"No\": counts and exercise kept");

        SchermoX::Clicca(voci[1]);
        Rispondi(AspettaRiquadro(schermo + ": the information box", false), true);
        Stato(Faccia::Ride, true, schermo + " after the information box");
        Passo(schermo + ": the information box, OK");

        SchermoX::Clicca(voci[0]);
        esatti = errati = 0;
        toccatiEsatti = toccatiErrati = false;
        Stato(Faccia::Ride, true, schermo + " after the count reset");
        Passo(schermo + ": count reset to 0 and 0, the face and \"avanti\" kept");

        SchermoX::Clicca(voci[2]);
        Rispondi(AspettaRiquadro(schermo + ": the question \"Vuoi tornare al menù?\""), true);
        Menu(schermo + " \"Esci\", \"Sì\"");
    }

    SchermoX::Finestra finestra;

private:
    const Layout::Schermo* disegno = nullptr;
    int barra = 0;
    QHash<QString, QPoint> scarti;
    int esatti = 0, errati = 0;
    bool toccatiEsatti = false, toccatiErrati = false;
};

struct Voce {
    const char* pulsante;
    const char* schermo;
};
const Voce Esercizi[] = {
    {"Command2", "Form1"},  {"Command3", "Form2"},  {"Command4", "Form3"},  {"Command5", "Form4"},
    {"Command6", "Form5"},  {"Command7", "Form6"},  {"Command8", "Form7"},  {"Command9", "Form8"},
    {"Command10", "Form9"}, {"Command11", "FormDentroFuori1"}, {"Command12", "Form10"},
};

void NessunaLamentela(const Programma& p)
{
    const QStringList l = p.Lamentele();
    Verifica(l.isEmpty(), "the program could not use its files:\n" + l.join('\n'));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: e2e_bambino <built bussolino>\n");
        return 2;
    }
    const QString programma = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    if (!SchermoX::Collega()) {
        std::fprintf(stderr, "e2e: no X display at DISPLAY=%s\n", qgetenv("DISPLAY").constData());
        return 1;
    }
    Risorse::caricaCaratteri();
    QTemporaryDir lavoro;
    QElapsedTimer orologio;
    orologio.start();
    Bambino b;
    try {
        SchermoX::Allontana();
        {
            std::printf("e2e: the whole program, from a plain folder\n");
            const QString cartella = lavoro.path() + "/bussolino";
            PreparaCartella(cartella, programma);
            Programma p(cartella, lavoro.path());
            b.Titolo();
            b.Avvio();
            b.MenuEsciNo();
            for (const Voce& v : Esercizi)
                b.Esercita(v.pulsante, v.schermo);
            b.MenuEsciSi(p);
            NessunaLamentela(p);
        }
        {
            std::printf("e2e: from \"Scuola primaria/Classe 1ª/Niccolò\", ended by closing the window\n");
            const QString cartella = lavoro.path() + QString::fromUtf8("/Scuola primaria/Classe 1ª/Niccolò");
            PreparaCartella(cartella, programma);
            Programma p(cartella, lavoro.path());
            b.Titolo();
            b.Avvio();
            b.Esercita("Command2", "Form1");
            b.Premi("Command2");
            b.AspettaSchermo(layoutDi("Form1"));
            SchermoX::ChiudiDallaCornice(b.finestra.id);
            p.AspettaFine(10000);
            Verifica(SchermoX::Visibili().isEmpty(), "a window is still open after closing the exercise");
            NessunaLamentela(p);
            b.Passo("pictures and sounds found in a folder with blanks and accents; closing the window ends the program");
        }
        {
            std::printf("e2e: the title screen closed through its frame\n");
            Programma p(lavoro.path() + "/bussolino", lavoro.path());
            b.Titolo();
            SchermoX::ChiudiDallaCornice(b.finestra.id);
            p.AspettaFine(10000);
            Verifica(SchermoX::Visibili().isEmpty(), "a window opened after closing the title screen");
            b.Passo("closing the title screen ends the program without showing the menu");
        }
    } catch (const std::exception& e) {
        std::printf("FAIL after %d steps: %s\n  the screen at that moment: %s\n", b.passi, e.what(),
                    qPrintable(FotoDelFallimento()));
        return 1;
    }
    std::printf("e2e: %d steps passed in %.1f s\n", b.passi, orologio.elapsed() / 1000.0);
    return 0;
}
