#pragma once
// One way to connect and press any control that reports clicks (button, label, image).
#include <QObject>
#include <functional>

class QWidget;

namespace Controlli {

// A click on the control runs `f`; `premi` is the same click from the keyboard, through the
// same signal, so it reaches the same handler.
void suClic(QWidget* controllo, QObject* contesto, std::function<void()> f);
void premi(QWidget* controllo);

}  // namespace Controlli
