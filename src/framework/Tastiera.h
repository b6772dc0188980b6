#pragma once
// A screen's keyboard. The keys its layout gives to a menu bar item or a control press it as a
// click would (a disabled or hidden control ignores them, as it ignores a click); the controls
// marked as stops are where a cursor stops, moved by the arrows as they stand on screen or by
// Tab in reading order, pressed by Enter or Space, and drawn as a ring while the keyboard is used.
#include <QPointer>
#include <QVector>
#include <QWidget>

#include "ui/Layout.h"

class QAction;
class Tela;

namespace Controlli {
class Evidenza;
}

class Tastiera {
public:
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

private:
    bool usa(int k);
    QList<QWidget*> tappe() const;  // in reading order
    void spostaCiclando(int k);
    void spostaVerso(int k);

    const Layout::Schermo* progetto = nullptr;
    QVector<QWidget*> controlli;
    QVector<QAction*> comandi;
    QPointer<QWidget> fermata;  // the stop the cursor is on
    Controlli::Evidenza* evidenza = nullptr;
};
