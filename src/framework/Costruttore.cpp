#include "framework/Costruttore.h"

#include "framework/Finestra.h"
#include "ui/Disegni.h"
#include "ui/Etichetta.h"
#include "ui/Immagine.h"
#include "ui/Linea.h"
#include "ui/PrimoDisegno.h"
#include "ui/Pulsante.h"
#include "ui/Riquadro.h"
#include "ui/Tela.h"

#include <QIcon>
#include <QPointer>
#include <stdexcept>

namespace {

Controlli::Etichetta* etichetta(const Layout::Controllo& c, QWidget* padre)
{
    auto* e = new Controlli::Etichetta(padre);
    e->impostaTesto(c.testo);
    e->impostaSfondo(c.sfondo);
    // A white one-line text box reads best with its sentence in the middle of it.
    const bool riga = c.sfondo != Layout::Nessuno && c.posto.altezza <= 800;
    e->setAlignment((c.allinea == Layout::Allinea::Centro ? Qt::AlignHCenter : Qt::AlignLeft)
                    | (riga ? Qt::AlignVCenter : Qt::AlignTop));
    return e;
}

QWidget* controllo(const Layout::Controllo& c, QWidget* padre)
{
    switch (c.tipo) {
    case Layout::Tipo::Etichetta:
        return etichetta(c, padre);
    case Layout::Tipo::Immagine: {
        auto* i = new Controlli::Immagine(padre);
        if (!c.disegno.isEmpty())
            i->impostaDisegno(c.disegno);
        return i;
    }
    case Layout::Tipo::Pulsante: {
        auto* b = new Controlli::Pulsante(padre);
        b->setText(c.testo);
        b->impostaSfondo(c.sfondo);
        b->impostaDisegno(c.disegno);
        return b;
    }
    case Layout::Tipo::Riquadro: {
        auto* r = new Controlli::Riquadro(padre);
        r->impostaSfondo(c.sfondo);
        r->impostaDisegno(c.disegno);
        return r;
    }
    case Layout::Tipo::Linea: {
        auto* l = new Controlli::Linea(padre);
        l->impostaColore(c.sfondo);
        return l;
    }
    }
    return nullptr;
}

}  // namespace

QVector<QWidget*> costruisciControlli(const Layout::Schermo& progetto, Tela* tela)
{
    QVector<QWidget*> fatti;
    for (const Layout::Controllo& c : progetto.controlli) {
        QWidget* padre = tela;
        if (!c.contenitore.isEmpty()) {
            const auto box = std::find_if(progetto.controlli.begin(), progetto.controlli.begin() + fatti.size(),
                                          [&](const Layout::Controllo& k) { return k.nome == c.contenitore; });
            if (box == progetto.controlli.begin() + fatti.size())
                throw std::logic_error("picture box " + c.contenitore.toStdString() + " must come before what it holds");
            padre = fatti[box - progetto.controlli.begin()];
        }
        QWidget* w = controllo(c, padre);
        w->setObjectName(Layout::chiave(c.nome, c.indice));
        // Placed before it is made visible: a control shown without a size of its own would
        // first be fitted to its text, which loads the font for nothing.
        tela->aggiungi(w, c);
        w->setEnabled(c.abilitato);
        w->setVisible(c.visibile);
        fatti << w;
    }
    return fatti;
}

void iconaEPuntatore(Finestra* finestra, const Layout::Schermo& progetto, const QVector<QWidget*>& controlli)
{
    QList<QPointer<QWidget>> conMano;
    for (int i = 0; i < controlli.size(); ++i)
        if (progetto.controlli[i].puntatore)
            conMano << controlli[i];
    PrimoDisegno::dopo([f = QPointer<Finestra>(finestra), icona = progetto.icona, conMano] {
        for (QWidget* w : conMano)
            if (w)
                w->setCursor(Controlli::puntatore());
        if (!f || icona.isEmpty())
            return;
        QIcon i;
        // Up to 128 px: a 256 px one costs more than all the smaller ones together; larger is scaled from 128.
        for (int lato : {16, 24, 32, 48, 64, 128})
            i.addPixmap(Controlli::disegno(icona, QSize(lato, lato)));
        f->setWindowIcon(i);
    });
}
