#pragma once
// The drawings the program carries, rendered at the size a control shows them, and the custom
// arrow pointer made from one of them.
#include <QCursor>
#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

namespace Controlli {

// A carried drawing rendered at `dimensione` device pixels; cached, so repeated paints are free.
QPixmap disegno(const QString& nome, QSize dimensione);
// The same at the logical size `logica` of `w`, sharp on its screen.
QPixmap disegnoPer(const QWidget* w, const QString& nome, QSize logica);

// The size in device pixels that `w` shows something of logical size `s` at.
QSize inPixelDispositivo(const QWidget* w, QSize s);

// The custom arrow pointer of "avanti" and "Avvio".
QCursor puntatore();

}  // namespace Controlli
