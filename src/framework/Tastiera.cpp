#include "framework/Tastiera.h"

#include "ui/Clic.h"
#include "ui/Evidenza.h"
#include "ui/Tela.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>

namespace {
// Whether the child is using the keyboard: from a key until the next mouse press, across
// screens, so that a menu opened by Enter shows its cursor at once.
bool usata = false;

using Sensori::premibile;

// A control as its click, a menu bar item as its choice.
void premiTappa(QObject* t)
{
    if (auto* a = qobject_cast<QAction*>(t))
        a->trigger();
    else if (auto* w = qobject_cast<QWidget*>(t))
        Controlli::premi(w);
}

// Reading order on the designed screen: top to bottom, then left to right.
bool primaInLettura(const Layout::Controllo& x, const Layout::Controllo& y)
{
    return std::pair(x.posto.alto, x.posto.sinistra) < std::pair(y.posto.alto, y.posto.sinistra);
}

bool invio(int k)
{
    return k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space || k == Qt::Key_Select;
}
}  // namespace

Tastiera::Tastiera()
    : sensori({
          .tappe = [this] { return aperte(); },
          .dove = [this] { return fermata.data(); },
          .vai =
              [this](QObject* t) {
                  fermata = t;
                  mostra();
              },
          .premi = [this](QObject* t) { premiNelGiro(t); },
          .sotto =
              [this] {
                  const QWidget* m = QApplication::activeModalWidget();
                  return m && evidenza && m != evidenza->window();
              },
      })
{
}

void Tastiera::avvia(const Layout::Schermo& p, const QVector<QWidget*>& c, const QVector<QAction*>& m, Tela* tela)
{
    progetto = &p;
    controlli = c;
    comandi = m;
    evidenza = new Controlli::Evidenza(tela);
    fermata = primaTappa();
    if (Sensori::attivo())
        sensori.avvia(aperte().value(0));
    mostra();
}

void Tastiera::ferma()
{
    sensori.ferma();
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
    if (!evidenza)
        return;
    // Played with switches, the cursor is always there: it is how the child sees what a press does.
    const bool visto = usata || Sensori::attivo();
    if (auto* a = qobject_cast<QAction*>(fermata.data()); a && visto)
        evidenza->segui(a, qobject_cast<QMenuBar*>(a->associatedObjects().value(0)));
    else
        evidenza->segui(visto ? qobject_cast<QWidget*>(fermata.data()) : nullptr);
}

bool Tastiera::usa(int k)
{
    // Space and Enter are the switches': they step and press the cursor, before any other use.
    if (sensori.tasto(k))
        return true;
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
            premiTappa(fermata);
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
    std::stable_sort(t.begin(), t.end(), [this](int a, int b) { return primaInLettura(progetto->controlli[a], progetto->controlli[b]); });
    QList<QWidget*> w;
    for (int i : t)
        w << controlli[i];
    return w;
}

QWidget* Tastiera::primaTappa() const
{
    const QList<QWidget*> t = tappe();
    const auto primo = std::find_if(t.begin(), t.end(), premibile);
    return primo == t.end() ? nullptr : *primo;
}

QList<QObject*> Tastiera::giro() const
{
    if (!progetto || controlli.size() != progetto->controlli.size())  // not started, or stopped
        return {};
    QList<int> risposte, dopo;
    for (int i = 0; i < progetto->controlli.size(); ++i) {
        const Layout::Controllo& c = progetto->controlli[i];
        if (c.tappa || c.risposta)
            risposte << i;
        else if (c.dopoLeRisposte)
            dopo << i;
    }
    std::stable_sort(risposte.begin(), risposte.end(),
                     [this](int a, int b) { return primaInLettura(progetto->controlli[a], progetto->controlli[b]); });
    QList<QObject*> g;
    for (int i : risposte + dopo)
        g << controlli[i];
    for (int i = 0; i < progetto->menu.size(); ++i)
        if (progetto->menu[i].ruolo == Layout::Ruolo::Esci)
            g << comandi[i];
    return g;
}

QList<QObject*> Tastiera::aperte() const
{
    QList<QObject*> t = giro();
    t.removeIf([](QObject* o) { return !premibile(o); });
    return t;
}

// After a right answer the cursor goes to "avanti", after "avanti" to the first answer of the
// new exercise (once its sentence is heard); after a wrong one it stays. An answer closed by a
// right one that leaves others open (a pair of "A destra di...... 2") hands on to the next.
void Tastiera::premiNelGiro(QObject* tappa)
{
    const QList<QObject*> prima = aperte();
    premiTappa(tappa);
    if (!evidenza)  // the press closed the screen
        return;
    const QList<QObject*> dopo = aperte();
    const QList<QObject*> g = giro();
    const auto risposta = [&](QObject* o) {
        const int i = int(controlli.indexOf(qobject_cast<QWidget*>(o)));
        return i >= 0 && progetto->controlli[i].risposta;
    };
    QObject* nuova = nullptr;
    for (QObject* o : dopo)
        if (!prima.contains(o) && !nuova)
            nuova = o;
    if (nuova && risposta(nuova)) {
        sensori.avvia(nuova);
    } else if (nuova) {
        fermata = nuova;
    } else if (!premibile(tappa) && !dopo.isEmpty()) {
        const int da = int(g.indexOf(tappa));
        for (int i = 1; i <= g.size(); ++i)
            if (QObject* o = g[(da + i) % g.size()]; dopo.contains(o)) {
                fermata = o;
                break;
            }
    }
    mostra();
}

// Round the stops that can be pressed, in reading order.
void Tastiera::spostaCiclando(int k)
{
    const QList<QWidget*> t = tappe();
    const int passo = k == Qt::Key_Tab ? 1 : -1;
    const int da = int(t.indexOf(qobject_cast<QWidget*>(fermata.data())));
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
    auto* qui = qobject_cast<QWidget*>(fermata.data());
    if (!qui) {  // on the menu bar's "Esci", where a switch left it: back to the screen
        if (QWidget* primo = primaTappa())
            fermata = primo;
        return;
    }
    const QRect da = qui->geometry();
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
