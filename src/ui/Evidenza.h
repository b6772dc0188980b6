#pragma once
// The keyboard cursor: a thick ring around the control it is on, drawn over the whole window
// (it lies on top of it) so that it can stand outside the control, or on a menu bar item. Dark
// edges and a pale yellow middle keep it readable on every background colour and every button.
#include <QPointer>
#include <QWidget>

class QAction;
class QMenuBar;
class Tela;

namespace Controlli {

class Evidenza : public QWidget {
    Q_OBJECT
public:
    // Over a screen's window, sized with its canvas.
    explicit Evidenza(Tela* tela);
    // Over a window of the system's own (a message box), at its own size.
    explicit Evidenza(QWidget* finestra);
    void segui(QWidget* bersaglio);  // nullptr: no ring
    // A menu bar item: the ring goes round its place in the bar.
    void segui(QAction* comando, QMenuBar* barra);
    QWidget* bersaglio() const { return seguito; }
    QAction* comando() const { return voce; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    Tela* tela = nullptr;
    QPointer<QWidget> seguito;
    QPointer<QAction> voce;
};

}  // namespace Controlli
