#include "framework/Schermata.h"

#include "framework/Costruttore.h"
#include "framework/Finestra.h"
#include "framework/Legame.h"
#include "services/Figure.h"
#include "services/Memoria.h"
#include "ui/Colori.h"
#include "ui/Disegni.h"
#include "ui/Etichetta.h"
#include "ui/Tela.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>

Schermata::Schermata(const Profilo& s) : profilo(s), progetto(*s.layout) {}

Schermata::~Schermata()
{
    delete finestra.data();
}

QMainWindow* Schermata::window() const
{
    return finestra;
}

void Schermata::Show()
{
    if (!caricata()) {
        costruisci();
        Form_Load();
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

void Schermata::Unload()
{
    if (!caricata())
        return;
    Form_Unload();
    Legame sciolto(progetto, nullptr);
    legaCornice(sciolto);
    lega(sciolto);
    Finestra* f = finestra;
    finestra = nullptr;
    canvas = nullptr;
    controlli.clear();
    comandi.clear();
    tastiera.ferma();
    f->disconnect(this);
    f->removeEventFilter(this);
    f->hide();
    // Unloading often happens inside a click on one of the window's own controls:
    // the window goes away at once, its memory when that click has returned, and to the system
    // once the screens stand still.
    QObject::connect(f, &QObject::destroyed, [] { Memoria::restituisciPresto(); });
    f->deleteLater();
}

uint32_t Schermata::sfondo() const
{
    return canvas ? canvas->sfondo() : Layout::Nessuno;
}

void Schermata::impostaSfondo(uint32_t bbggrr)
{
    if (!canvas)
        return;
    canvas->impostaSfondo(bbggrr);
    // Text drawn straight on the background (the counts, the title) stays readable on every
    // colour of the list: black on light colours, white on dark ones.
    const QColor inchiostro = Controlli::inchiostroSu(Controlli::colore(bbggrr));
    for (Controlli::Etichetta* e : canvas->findChildren<Controlli::Etichetta*>(Qt::FindDirectChildrenOnly)) {
        if (e->autoFillBackground())
            continue;
        QPalette p = e->palette();
        p.setColor(QPalette::WindowText, inchiostro);
        e->setPalette(p);
    }
}

void Schermata::costruisci()
{
    finestra = new Finestra;
    finestra->setWindowTitle(progetto.titolo);
    connect(finestra, &Finestra::chiusa, this, &Schermata::Unload);
    canvas = new Tela(progetto.larghezza, progetto.altezza);
    canvas->impostaSfondo(progetto.sfondo);
    finestra->setCentralWidget(canvas);
    connect(canvas, &Tela::collocata, this, &Schermata::figureAllaMisura);
    for (const Layout::ComandoMenu& v : progetto.menu) {
        QAction* a = finestra->menuBar()->addAction(v.testo);
        a->setObjectName(v.nome);
        comandi << a;
    }
    controlli = costruisciControlli(progetto, canvas);
    for (QWidget* w : std::as_const(controlli))
        w->installEventFilter(this);
    canvas->installEventFilter(this);
    finestra->installEventFilter(this);
    iconaEPuntatore(finestra, progetto, controlli);

    // The client area opens at its designed size, below the menu bar when there is one.
    const QSize client = canvas->dimensioneProgettata();
    const int barra = progetto.menu.isEmpty() ? 0 : finestra->menuBar()->sizeHint().height();
    finestra->resize(misuraNelloSchermo(client, barra, finestra->screen()->availableGeometry(), corniceAttesa()));
    Legame legame(progetto, &controlli);
    legaCornice(legame);
    lega(legame);
    collega();
    tastiera.avvia(progetto, controlli, comandi, canvas);
}

void Schermata::figureAllaMisura()
{
    // The figures are kept ready at the size this screen shows them (all 56 when it shows several
    // at once; compressed, at least as large, when it shows one), so a window made larger
    // (maximised, F11 on a whiteboard) still brings each new exercise at once.
    QList<QSize> misure;
    for (int i = 0; i < progetto.controlli.size(); ++i)
        if (progetto.controlli[i].figura())
            if (const QWidget* w = controlli.value(i))
                misure << Controlli::inPixelDispositivo(w, w->size());
    const QSize m = Figure::misuraComune(misure);
    if ((m.isValid() && Figure::impostaDimensionePronta(m)) || (misure.size() == 1 && Figure::impostaDimensioneRiserva(misure.first())))
        Figure::preparaInAnticipo();
}

bool Schermata::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        tastiera.mouse();
    } else if (e->type() == QEvent::KeyPress && o == finestra) {
        auto* k = static_cast<QKeyEvent*>(e);
        // A held key counts once: a child leaning on it gives one answer.
        if (k->isAutoRepeat())
            return true;
        const bool preso = tastiera.tasto(k->key(), k->modifiers());
        // The key may have closed this screen.
        if (caricata())
            tastiera.mostra();
        return preso;
    }
    return false;
}
