#pragma once
// A screen's keyboard. The keys its layout gives to a menu bar item or a control press it as a
// click would (a disabled or hidden control ignores them, as it ignores a click); the controls
// marked as stops are where a cursor stops, moved by the arrows as they stand on screen or by
// Tab in reading order, pressed by Enter or Space, and drawn as a ring while the keyboard is used.
// Played with switches, the same cursor goes round what can be pressed (Sensori::Giro).
#include <QPointer>
#include <QVector>
#include <QWidget>

#include "services/Giro.h"
#include "ui/Layout.h"

class QAction;
class Tela;

namespace Controlli {
class Evidenza;
}

class Tastiera {
public:
    Tastiera();

    // A freshly built screen: its layout, its controls in the layout's order, its menu bar items.
    void avvia(const Layout::Schermo& progetto, const QVector<QWidget*>& controlli, const QVector<QAction*>& comandi,
               Tela* tela);
    void ferma();

    // A key on the window: true when the screen takes it. It may close the screen.
    bool tasto(int k, Qt::KeyboardModifiers mod);
    // The child took the mouse: the ring goes until the next key.
    void mouse();
    // Draws the ring where it stands, or none when the mouse is in use.
    void mostra();
    // The stops of one or two switches, in the order the cursor goes round them: what a click
    // answers, in reading order, then "avanti" and the like, then the menu bar's "Esci".
    QList<QObject*> giro() const;

private:
    bool usa(int k);
    QList<QWidget*> tappe() const;  // in reading order
    QWidget* primaTappa() const;    // the first of them that can be pressed, if any
    void spostaCiclando(int k);
    void spostaVerso(int k);
    QList<QObject*> aperte() const;  // the round's stops a press would answer now
    void premiNelGiro(QObject* tappa);

    const Layout::Schermo* progetto = nullptr;
    QVector<QWidget*> controlli;
    QVector<QAction*> comandi;
    QPointer<QObject> fermata;  // the stop the cursor is on: a control, or a menu bar item
    Controlli::Evidenza* evidenza = nullptr;
    Sensori::Giro sensori;
};
