// Prints where a child would click on each screen, in pixels from the top-left corner of its
// window at the designed size, so that the tour of the real program can be driven from outside
// without guessing: the title's "Avvio", then for each exercise in menu order its menu button,
// its first answer control and the "Esci" of its menu bar, and its window title.
//   avvio <x> <y> <title>
//   esercizio <menu x> <menu y> <answer x> <answer y> <esci x> <esci y> <title>
#include "app/Applicazione.h"
#include "app/Modulo1.h"
#include "app/Percorsi.h"
#include "app/Schermata.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <cstdio>

namespace {
QPoint Centro(Schermata& s, QWidget* w)
{
    return w->mapTo(s.window(), w->rect().center());
}

struct Voce {
    const char* pulsante;
    Schermate::Id apre;
    const char* risposta;
    int indice;
};
// The menu's buttons in the order a child would try them, and the screen each opens.
constexpr Voce Esercizi[] = {
    {"Command2", Schermate::Id::Form1, "Label3", 0},
    {"Command3", Schermate::Id::Form2, "Label3", 0},
    {"Command4", Schermate::Id::Form3, "Command1", -1},
    {"Command5", Schermate::Id::Form4, "Command1", -1},
    {"Command6", Schermate::Id::Form5, "Command1", -1},
    {"Command7", Schermate::Id::Form6, "Command1", -1},
    {"Command8", Schermate::Id::Form7, "Image1", 0},
    {"Command9", Schermate::Id::Form8, "Image1", 0},
    {"Command10", Schermate::Id::Form9, "Image1", 0},
    {"Command11", Schermate::Id::FormDentroFuori1, "Command1", -1},
    {"Command12", Schermate::Id::Form10, "Command1", -1},
};
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Applicazione::Prepara(app);
    Modulo1::InizializzaTabella();
    // The pictures are beside the program, one folder up from the benchmarks.
    Percorsi::ImpostaCartellaProgramma(QCoreApplication::applicationDirPath() + "/..");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    Schermata& avvio = Schermate::Oggetto(Schermate::Id::FormAvvio);
    avvio.Show();
    const QPoint a = Centro(avvio, avvio.controllo("BottoneAvvio"));
    std::printf("avvio %d %d %s\n", a.x(), a.y(), qPrintable(avvio.window()->windowTitle()));
    avvio.Unload();

    Schermata& menu = Schermate::Oggetto(Schermate::Id::FormMenu);
    menu.Show();
    for (const Voce& v : Esercizi) {
        const QPoint m = Centro(menu, menu.controllo(v.pulsante));
        Schermata& s = Schermate::Oggetto(v.apre);
        s.Show();
        QCoreApplication::processEvents();
        const QPoint r = Centro(s, s.controllo(v.risposta, v.indice));
        QMenuBar* barra = s.window()->menuBar();
        const QPoint e = barra->mapTo(s.window(), barra->actionGeometry(s.voceMenu("mnuEsci")).center());
        std::printf("esercizio %d %d %d %d %d %d %s\n", m.x(), m.y(), r.x(), r.y(), e.x(), e.y(),
                    qPrintable(s.window()->windowTitle()));
        s.Unload();
    }
    menu.Unload();
    Schermate::Distruggi();
    return 0;
}
