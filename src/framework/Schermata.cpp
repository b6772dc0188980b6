#include "framework/Schermata.h"

#include "framework/Registro.h"
#include "services/Figure.h"

#include "ui/Controlli.h"
#include "ui/Tela.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <stdexcept>

using Controlli::Evidenza;

namespace {
// Whether the child is using the keyboard: from a key until the next mouse press, across
// screens, so that a menu opened by Enter shows its cursor at once.
bool tastiera = false;
// The window manager's frame as last seen around one of our windows.
QMargins corniceVista;

// Before any window has been framed: a usual title bar and border, where there is a window manager.
QMargins corniceAttesa()
{
    if (!corniceVista.isNull())
        return corniceVista;
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("offscreen") || p == QLatin1String("minimal") ? QMargins() : QMargins(4, 32, 4, 4);
}

// Enabled and not hidden, as a click needs; the window itself may not be shown yet.
bool premibile(const QWidget* w)
{
    return w && w->isEnabled() && w->isVisibleTo(w->window());
}

bool invio(int k)
{
    return k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space || k == Qt::Key_Select;
}
}  // namespace

QSize misuraNelloSchermo(QSize client, int barra, const QRect& libero, const QMargins& cornice)
{
    const qreal k = std::min({1.0, qreal(libero.width() - cornice.left() - cornice.right()) / client.width(),
                              qreal(libero.height() - cornice.top() - cornice.bottom() - barra) / client.height()});
    if (k >= 1.0 || k <= 0)
        return {client.width(), client.height() + barra};
    return {int(std::floor(client.width() * k)), int(std::floor(client.height() * k)) + barra};
}

Finestra::Finestra(QWidget* padre) : QMainWindow(padre)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // F11: the whole designed canvas fills the screen, for classroom whiteboards.
    auto* schermoIntero = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(schermoIntero, &QShortcut::activated, this, [this] {
        if (isFullScreen())
            showNormal();
        else
            showFullScreen();
    });
}

void Finestra::closeEvent(QCloseEvent* e)
{
    e->accept();
    emit chiusa();
}

void Finestra::moveEvent(QMoveEvent* e)
{
    // The frame is known once the window manager has placed the window.
    if (windowHandle() && !windowHandle()->frameMargins().isNull())
        corniceVista = windowHandle()->frameMargins();
    QMainWindow::moveEvent(e);
}

Schermata::Schermata(Catalogo::Id id) : progetto(Catalogo::layout(id)), identita(id) {}

Schermata::~Schermata()
{
    delete finestra.data();
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
    Finestra* f = finestra;
    finestra = nullptr;
    canvas = nullptr;
    controlli.clear();
    voci.clear();
    f->disconnect(this);
    f->removeEventFilter(this);
    evidenza = nullptr;
    f->hide();
    // Unloading often happens inside a click on one of the window's own controls:
    // the window goes away at once, its memory when that click has returned.
    f->deleteLater();
}

void Schermata::passa(Catalogo::Id destinazione)
{
    Registro::mostra(destinazione);
    Unload();
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
    using namespace Controlli;
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
        voci.insert(v.nome, a);
    }

    QList<QPointer<QWidget>> conMano;
    for (const Layout::Controllo& c : progetto.controlli) {
        QWidget* padre = c.contenitore.isEmpty() ? static_cast<QWidget*>(canvas) : controlli.value(c.contenitore);
        if (!padre)
            throw std::logic_error("picture box " + c.contenitore.toStdString() + " must come before what it holds");
        QWidget* w = nullptr;
        switch (c.tipo) {
        case Layout::Tipo::Etichetta: {
            auto* e = new Etichetta(padre);
            e->impostaTesto(c.testo);
            e->impostaSfondo(c.sfondo);
            // A white one-line text box reads best with its sentence in the middle of it.
            const bool riga = c.sfondo != Layout::Nessuno && c.posto.altezza <= 800;
            e->setAlignment((c.allinea == Layout::Allinea::Centro ? Qt::AlignHCenter : Qt::AlignLeft)
                            | (riga ? Qt::AlignVCenter : Qt::AlignTop));
            w = e;
            break;
        }
        case Layout::Tipo::Immagine: {
            auto* i = new Immagine(padre);
            if (!c.disegno.isEmpty())
                i->impostaDisegno(c.disegno);
            w = i;
            break;
        }
        case Layout::Tipo::Pulsante: {
            auto* b = new Pulsante(padre);
            b->setText(c.testo);
            b->impostaSfondo(c.sfondo);
            b->impostaDisegno(c.disegno);
            w = b;
            break;
        }
        case Layout::Tipo::Riquadro: {
            auto* r = new Riquadro(padre);
            r->impostaSfondo(c.sfondo);
            r->impostaDisegno(c.disegno);
            w = r;
            break;
        }
        case Layout::Tipo::Linea: {
            auto* l = new Linea(padre);
            l->impostaColore(c.sfondo);
            w = l;
            break;
        }
        }
        const QString chiave = Layout::chiave(c.nome, c.indice);
        w->setObjectName(chiave);
        if (c.puntatore)
            conMano << w;
        // Placed before it is made visible: a control shown without a size of its own would
        // first be fitted to its text, which loads the font for nothing.
        canvas->aggiungi(w, c);
        w->setEnabled(c.abilitato);
        w->setVisible(c.visibile);
        w->installEventFilter(this);
        controlli.insert(chiave, w);
    }
    // The window's icon and the hand over what can be clicked belong to the window manager and
    // the pointer, not to the screen: drawn once the window has painted, they do not hold the
    // title back at start.
    dopoIlPrimoDisegno([f = QPointer<Finestra>(finestra), icona = progetto.icona, conMano] {
        for (QWidget* w : conMano)
            if (w)
                w->setCursor(puntatore());
        if (!f || icona.isEmpty())
            return;
        QIcon i;
        // Up to 128 px: a 256 px one costs more than all the smaller ones together; larger is scaled from 128.
        for (int lato : {16, 24, 32, 48, 64, 128})
            i.addPixmap(disegno(icona, QSize(lato, lato)));
        f->setWindowIcon(i);
    });
    canvas->installEventFilter(this);
    finestra->installEventFilter(this);
    evidenza = new Evidenza(canvas);

    // The client area opens at its designed size, below the menu bar when there is one.
    const QSize client = canvas->dimensioneProgettata();
    const int barra = progetto.menu.isEmpty() ? 0 : finestra->menuBar()->sizeHint().height();
    finestra->resize(misuraNelloSchermo(client, barra, finestra->screen()->availableGeometry(), corniceAttesa()));
    collega();
    const QList<QWidget*> t = tappe();
    const auto primo = std::find_if(t.begin(), t.end(), premibile);
    cursore = primo == t.end() ? nullptr : *primo;
    mostraCursore();
}

void Schermata::figureAllaMisura()
{
    // The figures are kept ready at the size this screen shows them (all 56 when it shows several
    // at once; compressed, at least as large, when it shows one), so a window made larger
    // (maximised, F11 on a whiteboard) still brings each new exercise at once.
    QList<QSize> misure;
    for (const Layout::Controllo& c : progetto.controlli)
        if (c.figura())
            if (const QWidget* w = controllo(c.nome, c.indice))
                misure << Controlli::inPixelDispositivo(w, w->size());
    const QSize m = Figure::misuraComune(misure);
    if ((m.isValid() && Figure::impostaDimensionePronta(m)) || (misure.size() == 1 && Figure::impostaDimensioneRiserva(misure.first())))
        Figure::preparaInAnticipo();
}

bool Schermata::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress && tastiera) {
        tastiera = false;
        mostraCursore();
    } else if (e->type() == QEvent::KeyPress && o == finestra) {
        auto* k = static_cast<QKeyEvent*>(e);
        // A held key counts once: a child leaning on it gives one answer.
        return k->isAutoRepeat() || tasto(k->key(), k->modifiers());
    }
    return false;
}

bool Schermata::tasto(int k, Qt::KeyboardModifiers mod)
{
    if (k == Qt::Key_Tab && (mod & Qt::ShiftModifier))
        k = Qt::Key_Backtab;
    tastiera = true;
    const bool preso = usaTasto(k);
    // The key may have closed this screen.
    if (caricata())
        mostraCursore();
    return preso;
}

bool Schermata::usaTasto(int k)
{
    for (const Layout::ComandoMenu& v : progetto.menu)
        if (v.tasto == k) {
            comandoMenu(v.nome)->trigger();
            return true;
        }
    // The controls the key presses; one that is disabled or hidden ignores it, as it ignores a click.
    bool nota = false;
    for (const Layout::Controllo& c : progetto.controlli)
        if (c.tasti.contains(k)) {
            nota = true;
            QWidget* w = controllo(c.nome, c.indice);
            if (premibile(w)) {
                // A key press is the matching click: the same signal, so the same handler.
                Controlli::premi(w);
                return true;
            }
        }
    if (!cursore)
        return nota;
    const bool freccia = k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
    const bool giro = k == Qt::Key_Tab || k == Qt::Key_Backtab;
    if (invio(k)) {
        if (premibile(cursore))
            Controlli::premi(cursore);
        return true;
    }
    if ((freccia && progetto.cursore == Layout::Cursore::Frecce) || (giro && progetto.cursore == Layout::Cursore::Tab)) {
        spostaCursore(k);
        return true;
    }
    return nota;
}

QList<QWidget*> Schermata::tappe() const
{
    QList<const Layout::Controllo*> c;
    for (const Layout::Controllo& k : progetto.controlli)
        if (k.tappa)
            c << &k;
    std::stable_sort(c.begin(), c.end(), [](const Layout::Controllo* a, const Layout::Controllo* b) {
        return std::pair(a->posto.alto, a->posto.sinistra) < std::pair(b->posto.alto, b->posto.sinistra);
    });
    QList<QWidget*> w;
    for (const Layout::Controllo* k : c)
        w << controllo(k->nome, k->indice);
    return w;
}

void Schermata::spostaCursore(int k)
{
    const QList<QWidget*> t = tappe();
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab) {
        // Round the stops that can be pressed, in reading order.
        const int passo = k == Qt::Key_Tab ? 1 : -1;
        const int da = int(t.indexOf(cursore));
        for (int i = 1; i <= t.size(); ++i) {
            QWidget* w = t[((da + passo * i) % t.size() + t.size()) % t.size()];
            if (premibile(w)) {
                cursore = w;
                return;
            }
        }
        return;
    }
    // The nearest stop that way, as they stand on screen: one whose middle lies beyond this
    // one's edge (so "Esci", a little taller, is not below its neighbour); none at the edge.
    const QRect da = cursore->geometry();
    const QPoint verso = k == Qt::Key_Left ? QPoint(-1, 0) : k == Qt::Key_Right ? QPoint(1, 0)
                       : k == Qt::Key_Up   ? QPoint(0, -1) : QPoint(0, 1);
    const auto oltre = [&](QPoint c) {
        return verso.x() < 0 ? c.x() < da.left() : verso.x() > 0 ? c.x() > da.right()
             : verso.y() < 0 ? c.y() < da.top() : c.y() > da.bottom();
    };
    QWidget* scelto = nullptr;
    int migliore = 0;
    for (QWidget* w : t) {
        const QPoint c = w->geometry().center();
        if (!premibile(w) || !oltre(c))
            continue;
        const QPoint d = c - da.center();
        const int costo = std::abs(d.x() * verso.x() + d.y() * verso.y()) + 2 * std::abs(d.x() * verso.y() + d.y() * verso.x());
        if (!scelto || costo < migliore)
            scelto = w, migliore = costo;
    }
    if (scelto)
        cursore = scelto;
}

void Schermata::mostraCursore()
{
    if (evidenza)
        evidenza->segui(tastiera ? cursore.data() : nullptr);
}

QWidget* Schermata::controllo(const QString& nome, int indice) const
{
    return controlli.value(Layout::chiave(nome, indice));
}

template <class T>
static T* di(QWidget* w, const QString& nome, int indice)
{
    T* t = qobject_cast<T*>(w);
    if (!t)
        throw std::logic_error("no control " + Layout::chiave(nome, indice).toStdString() + " of that kind");
    return t;
}

Controlli::Etichetta* Schermata::etichetta(const QString& n, int i) const { return di<Controlli::Etichetta>(controllo(n, i), n, i); }
Controlli::Immagine* Schermata::immagine(const QString& n, int i) const { return di<Controlli::Immagine>(controllo(n, i), n, i); }
Controlli::Pulsante* Schermata::pulsante(const QString& n, int i) const { return di<Controlli::Pulsante>(controllo(n, i), n, i); }
Controlli::Riquadro* Schermata::riquadro(const QString& n, int i) const { return di<Controlli::Riquadro>(controllo(n, i), n, i); }

QAction* Schermata::comandoMenu(const QString& nome) const
{
    return voci.value(nome);
}
