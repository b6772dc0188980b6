#include "ui/Evidenza.h"

#include "ui/Tela.h"

#include <QEvent>
#include <QPainter>

namespace Controlli {

Evidenza::Evidenza(Tela* tela) : QWidget(tela->parentWidget()), tela(tela)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(tela->geometry());
    tela->installEventFilter(this);
    hide();
}

void Evidenza::segui(QWidget* b)
{
    seguito = b;
    setVisible(b != nullptr);
    if (b) {
        raise();
        update();
    }
}

bool Evidenza::eventFilter(QObject* o, QEvent* e)
{
    // The canvas places its controls anew when it is resized: follow it.
    if (o == tela && (e->type() == QEvent::Resize || e->type() == QEvent::Move))
        setGeometry(tela->geometry());
    return false;
}

void Evidenza::paintEvent(QPaintEvent*)
{
    if (!seguito || !seguito->isVisible())
        return;
    // Sizes in designed pixels times the canvas's scale: the ring grows with the window.
    const qreal u = tela->scala();
    const QRectF r = QRectF(QRect(seguito->mapTo(tela, QPoint()), seguito->size())).adjusted(-3 * u, -3 * u, 3 * u, 3 * u);
    const qreal raggio = 10 * u;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x12, 0x12, 0x2E), 10 * u));
    p.drawRoundedRect(r, raggio, raggio);
    p.setPen(QPen(QColor(0xFF, 0xF0, 0x6A), 6 * u));
    p.drawRoundedRect(r, raggio, raggio);
}

}  // namespace Controlli
