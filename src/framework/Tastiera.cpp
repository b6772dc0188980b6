#include "framework/Tastiera.h"

#include "ui/Clic.h"
#include "ui/Evidenza.h"
#include "ui/Tela.h"

#include <QAction>
#include <QWidget>
#include <algorithm>

namespace {
// Whether the child is using the keyboard: from a key until the next mouse press, across
// screens, so that a menu opened by Enter shows its cursor at once.
bool usata = false;

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

void Tastiera::avvia(const Layout::Schermo& p, const QVector<QWidget*>& c, const QVector<QAction*>& m, Tela* tela)
{
    progetto = &p;
    controlli = c;
    comandi = m;
    evidenza = new Controlli::Evidenza(tela);
    const QList<QWidget*> t = tappe();
    const auto primo = std::find_if(t.begin(), t.end(), premibile);
    fermata = primo == t.end() ? nullptr : *primo;
    mostra();
}

void Tastiera::ferma()
{
    controlli.clear();
    comandi.clear();
    fermata = nullptr;
    evidenza = nullptr;
}

bool Tastiera::tasto(int k, Qt::KeyboardModifiers mod)
{
    if (k == Qt::Key_Tab && (mod & Qt::ShiftModifier))
        k = Qt::Key_Backtab;
    usata = true;
    return usa(k);
}

void Tastiera::mouse()
{
    if (!usata)
        return;
    usata = false;
    mostra();
}

void Tastiera::mostra()
{
    if (evidenza)
        evidenza->segui(usata ? fermata.data() : nullptr);
}

bool Tastiera::usa(int k)
{
    for (int i = 0; i < progetto->menu.size(); ++i)
        if (progetto->menu[i].tasto == k) {
            comandi[i]->trigger();
            return true;
        }
    // The controls the key presses; one that is disabled or hidden ignores it, as it ignores a click.
    bool nota = false;
    for (int i = 0; i < progetto->controlli.size(); ++i)
        if (progetto->controlli[i].tasti.contains(k)) {
            nota = true;
            if (premibile(controlli[i])) {
                // A key press is the matching click: the same signal, so the same handler.
                Controlli::premi(controlli[i]);
                return true;
            }
        }
    if (!fermata)
        return nota;
    const bool freccia = k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
    const bool giro = k == Qt::Key_Tab || k == Qt::Key_Backtab;
    if (invio(k)) {
        if (premibile(fermata))
            Controlli::premi(fermata);
        return true;
    }
    if (freccia && progetto->cursore == Layout::Cursore::Frecce) {
        spostaVerso(k);
        return true;
    }
    if (giro && progetto->cursore == Layout::Cursore::Tab) {
        spostaCiclando(k);
        return true;
    }
    return nota;
}

QList<QWidget*> Tastiera::tappe() const
{
    QList<int> t;
    for (int i = 0; i < progetto->controlli.size(); ++i)
        if (progetto->controlli[i].tappa)
            t << i;
    std::stable_sort(t.begin(), t.end(), [this](int a, int b) {
        const Layout::Rettangolo& x = progetto->controlli[a].posto;
        const Layout::Rettangolo& y = progetto->controlli[b].posto;
        return std::pair(x.alto, x.sinistra) < std::pair(y.alto, y.sinistra);
    });
    QList<QWidget*> w;
    for (int i : t)
        w << controlli[i];
    return w;
}

// Round the stops that can be pressed, in reading order.
void Tastiera::spostaCiclando(int k)
{
    const QList<QWidget*> t = tappe();
    const int passo = k == Qt::Key_Tab ? 1 : -1;
    const int da = int(t.indexOf(fermata));
    for (int i = 1; i <= t.size(); ++i) {
        QWidget* w = t[((da + passo * i) % t.size() + t.size()) % t.size()];
        if (premibile(w)) {
            fermata = w;
            return;
        }
    }
}

// The nearest stop that way, as they stand on screen: one whose middle lies beyond this one's
// edge (so "Esci", a little taller, is not below its neighbour); none at the edge.
void Tastiera::spostaVerso(int k)
{
    const QRect da = fermata->geometry();
    const QPoint verso = k == Qt::Key_Left ? QPoint(-1, 0) : k == Qt::Key_Right ? QPoint(1, 0)
                       : k == Qt::Key_Up   ? QPoint(0, -1) : QPoint(0, 1);
    const auto oltre = [&](QPoint c) {
        return verso.x() < 0 ? c.x() < da.left() : verso.x() > 0 ? c.x() > da.right()
             : verso.y() < 0 ? c.y() < da.top() : c.y() > da.bottom();
    };
    QWidget* scelto = nullptr;
    int migliore = 0;
    for (QWidget* w : tappe()) {
        const QPoint c = w->geometry().center();
        if (!premibile(w) || !oltre(c))
            continue;
        const QPoint d = c - da.center();
        const int costo = std::abs(d.x() * verso.x() + d.y() * verso.y()) + 2 * std::abs(d.x() * verso.y() + d.y() * verso.x());
        if (!scelto || costo < migliore)
            scelto = w, migliore = costo;
    }
    if (scelto)
        fermata = scelto;
}
