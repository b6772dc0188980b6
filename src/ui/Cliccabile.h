#pragma once
// What counts as a click on a control that reports clicks: the left button let go over it.
#include <QMouseEvent>
#include <QWidget>

namespace Controlli {

inline bool clickSopra(const QWidget* w, const QMouseEvent* e)
{
    return e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
}

}  // namespace Controlli
