#include "ui/Evidenza.h"

#include "ui/Tela.h"

#include <QEvent>
#include <QMenuBar>
#include <QPainter>

namespace Controlli {

Evidenza::Evidenza(Tela* t) : Evidenza(t->parentWidget())
{
    tela = t;
}

Evidenza::Evidenza(QWidget* finestra) : QWidget(finestra)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(finestra->rect());
    finestra->installEventFilter(this);
    hide();
}

void Evidenza::segui(QWidget* b)
{
    seguito = b;
    voce = nullptr;
    setVisible(b != nullptr);
    if (b) {
        raise();
        update();
    }
}

void Evidenza::segui(QAction* c, QMenuBar* barra)
{
    seguito = barra;
    voce = c;
    setVisible(c && barra);
    if (c && barra) {
        raise();
        update();
    }
}

bool Evidenza::eventFilter(QObject* o, QEvent* e)
{
    // The window places its canvas and controls anew when it is resized: follow it.
    if (o == parentWidget() && e->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void Evidenza::paintEvent(QPaintEvent*)
{
    if (!seguito || !seguito->isVisible())
        return;
    // Sizes in designed pixels times the canvas's scale: the ring grows with the window.
    const qreal u = tela ? tela->scala() : 1.0;
    const auto* barra = qobject_cast<const QMenuBar*>(seguito.data());
    const bool inBarra = voce && barra;
    // A menu bar item is short: a thinner ring, wider than its words and clear of them.
    const QRectF posto = inBarra ? QRectF(barra->actionGeometry(voce)).adjusted(-8, 1, 8, 0)
                                 : QRectF(seguito->rect()).adjusted(-3 * u, -3 * u, 3 * u, 3 * u);
    const QRectF r = posto.translated(seguito->mapTo(parentWidget(), QPoint()));
    const qreal spessore = inBarra ? 0.5 : u;
    const qreal raggio = inBarra ? 6 : 10 * u;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x12, 0x12, 0x2E), 10 * spessore));
    p.drawRoundedRect(r, raggio, raggio);
    p.setPen(QPen(QColor(0xFF, 0xF0, 0x6A), 6 * spessore));
    p.drawRoundedRect(r, raggio, raggio);
}

}  // namespace Controlli
