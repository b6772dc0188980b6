#pragma once
// The keyboard cursor: a thick ring around the control it is on, drawn over the whole canvas
// (it lies on top of it, in the same window) so that it can stand outside the control. Dark
// edges and a pale yellow middle keep it readable on every background colour and every button.
#include <QPointer>
#include <QWidget>

class Tela;

namespace Controlli {

class Evidenza : public QWidget {
    Q_OBJECT
public:
    explicit Evidenza(Tela* tela);
    void segui(QWidget* bersaglio);  // nullptr: no ring
    QWidget* bersaglio() const { return seguito; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    Tela* tela;
    QPointer<QWidget> seguito;
};

}  // namespace Controlli
