#include "framework/Schermata.h"

#include "framework/Registro.h"

#include "ui/Controlli.h"
#include "ui/Tela.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <stdexcept>

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

Schermata::Schermata(Schermate::Id id) : progetto(Schermate::layout(id)), identita(id) {}

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
    Finestra* f = finestra;
    finestra = nullptr;
    canvas = nullptr;
    controlli.clear();
    voci.clear();
    f->disconnect(this);
    f->hide();
    // Unloading often happens inside a click on one of the window's own controls:
    // the window goes away at once, its memory when that click has returned.
    f->deleteLater();
}

void Schermata::passa(Schermate::Id destinazione)
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
    if (!progetto.icona.isEmpty()) {
        QIcon icona;
        // Up to 128 px: drawing a 256 px one cost more than all the smaller ones together and
        // held the title window back by about 4 ms at every start; larger is scaled from 128.
        for (int lato : {16, 24, 32, 48, 64, 128})
            icona.addPixmap(disegno(progetto.icona, QSize(lato, lato)));
        finestra->setWindowIcon(icona);
    }
    connect(finestra, &Finestra::chiusa, this, &Schermata::Unload);

    canvas = new Tela(progetto.larghezza, progetto.altezza);
    canvas->impostaSfondo(progetto.sfondo);
    finestra->setCentralWidget(canvas);

    for (const Layout::VoceMenu& v : progetto.menu) {
        QAction* a = finestra->menuBar()->addAction(v.testo);
        a->setObjectName(v.nome);
        voci.insert(v.nome, a);
    }

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
            w->setCursor(puntatore());
        w->setEnabled(c.abilitato);
        w->setVisible(c.visibile);
        canvas->aggiungi(w, c);
        controlli.insert(chiave, w);
    }

    // The client area opens at its designed size, below the menu bar when there is one.
    const QSize client = canvas->dimensioneProgettata();
    const int barra = progetto.menu.isEmpty() ? 0 : finestra->menuBar()->sizeHint().height();
    finestra->resize(client.width(), client.height() + barra);
    collega();
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

QAction* Schermata::voceMenu(const QString& nome) const
{
    return voci.value(nome);
}
