// Prints where a child would click on each screen, in pixels from the top-left corner of its
// window at the designed size, so that the tour of the real program can be driven from outside
// without guessing: the title's "Avvio", then for each exercise in menu order its menu button,
// its first answer control and the "Esci" of its menu bar, and its window title.
//   avvio <x> <y> <title>
//   esercizio <menu x> <menu y> <answer x> <answer y> <esci x> <esci y> <title>
#include "support/Aiuto.h"

#include "Applicazione.h"
#include "services/Percorsi.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <cstdio>

namespace {
QPoint centro(Schermata& s, QWidget* w)
{
    return w->mapTo(s.window(), w->rect().center());
}

// The first control the layout marks as an answer.
QWidget* primaRisposta(Schermata& s)
{
    return risposte(s).value(0);
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Applicazione::prepara(app);
    // The pictures are beside the program, one folder up from the benchmarks.
    Percorsi::impostaCartellaProgramma(QCoreApplication::applicationDirPath() + "/..");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});

    Schermata& avvio = schermo(Id::FormAvvio);
    avvio.Show();
    const QPoint a = centro(avvio, controllo(avvio, "BottoneAvvio"));
    std::printf("avvio %d %d %s\n", a.x(), a.y(), qPrintable(avvio.window()->windowTitle()));
    avvio.Unload();

    // The exercises in the order of the menu's buttons.
    Schermata& menu = schermo(Id::FormMenu);
    menu.Show();
    for (const Catalogo::Riga& v : Catalogo::righe()) {
        if (!v.pulsante)
            continue;
        const QPoint m = centro(menu, controllo(menu, v.pulsante));
        Schermata& s = schermo(v.id);
        s.Show();
        QCoreApplication::processEvents();
        const QPoint r = centro(s, primaRisposta(s));
        QMenuBar* barra = s.window()->menuBar();
        const QPoint e = barra->mapTo(s.window(), barra->actionGeometry(comandoMenu(s, "mnuEsci")).center());
        std::printf("esercizio %d %d %d %d %d %d %s\n", m.x(), m.y(), r.x(), r.y(), e.x(), e.y(),
                    qPrintable(s.window()->windowTitle()));
        s.Unload();
    }
    menu.Unload();
    Registro::distruggi();
    return 0;
}
