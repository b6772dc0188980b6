#include "services/Giro.h"

#include "services/Voce.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace Sensori {

QString parole(const QObject* t)
{
    if (const auto* b = qobject_cast<const QAbstractButton*>(t))
        return QString(b->text()).remove('&');
    if (const auto* a = qobject_cast<const QAction*>(t))
        return QString(a->text()).remove('&');
    return {};
}

// Enabled and not hidden, as a click needs; the window itself may not be shown yet.
bool premibile(const QObject* t)
{
    if (const auto* w = qobject_cast<const QWidget*>(t))
        return w->isEnabled() && w->isVisibleTo(w->window());
    if (const auto* a = qobject_cast<const QAction*>(t))
        return a->isEnabled() && a->isVisible();
    return false;
}

Giro::Giro(Fermate fermate) : f(std::move(fermate)), sveglia([this] { sveglio(); }) {}

void Giro::avvia(QObject* primo)
{
    inGiro = attivo();
    ++generazione;
    lasciata = nullptr;
    if (!inGiro)
        return;
    f.vai(primo);
    // The screen speaks its sentence a moment after it shows: wait for it, then say the first stop.
    ascolto = true;
    sveglia.punta(AttesaAnnuncio);
}

void Giro::ferma()
{
    inGiro = false;
    ++generazione;
    lasciata = nullptr;
    sveglia.spegni();
}

bool Giro::tasto(int k)
{
    if (!inGiro)
        return false;
    const bool spazio = k == Qt::Key_Space;
    const bool invio = k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Select;
    if (!spazio && !invio)
        return false;
    if (modo() == Modo::Due && spazio) {
        passo(false);
        return true;
    }
    // One switch: just after a step, the press is for what the child was looking at.
    QObject* tappa = f.dove();
    if (modo() == Modo::Uno && lasciata && orologio().adesso() - lasciataAlle < Grazia && premibile(lasciata))
        tappa = lasciata;
    premi(tappa);
    return true;
}

void Giro::sveglio()
{
    if (!inGiro)
        return;
    // A message box opened over the window (by the mouse) has a round of its own.
    if (f.sotto())
        return sveglia.punta(ritmo());
    // Never over a sentence: the question first, then the choices.
    if (const qint64 resta = frasiPerAncora(); resta > 0)
        return sveglia.punta(resta);
    if (ascolto) {
        ascolto = false;
        dici(f.dove());
        prossimoPasso();
        return;
    }
    if (modo() == Modo::Uno)
        passo(true);
}

void Giro::passo(bool automatico)
{
    sveglia.spegni();
    ascolto = false;
    const QList<QObject*> t = f.tappe();
    if (!t.isEmpty()) {
        QObject* da = f.dove();
        QObject* a = t[(t.indexOf(da) + 1) % t.size()];
        lasciata = automatico ? da : nullptr;
        lasciataAlle = orologio().adesso();
        f.vai(a);
        dici(a);
    }
    prossimoPasso();
}

void Giro::premi(QObject* tappa)
{
    sveglia.spegni();
    ascolto = false;
    lasciata = nullptr;
    if (!tappa || !premibile(tappa) || !f.tappe().contains(tappa))
        return prossimoPasso();
    if (tappa != f.dove())
        f.vai(tappa);
    const int prima = generazione;
    f.premi(tappa);
    // The press may have started the round again (a new exercise) or ended it (the window gone).
    if (generazione != prima || !inGiro)
        return;
    if (f.dove() != tappa)
        dici(f.dove());
    prossimoPasso();
}

void Giro::dici(QObject* tappa)
{
    if (const QString p = parole(tappa); !p.isEmpty())
        Voce::diciTappa(p);
}

void Giro::prossimoPasso()
{
    if (modo() == Modo::Uno)
        sveglia.punta(ritmo());
}

}  // namespace Sensori
