#pragma once
// The X display as the child's session sees it: the program's windows, real pointer clicks
// (xdotool, so they travel through the X server like a mouse's), screenshots of the root
// window, and the close request a window manager sends when the frame's X is clicked.
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <cstdint>

namespace SchermoX {

struct Finestra {
    uint32_t id = 0;
    QString nome;
    QRect geometria;  // on the root window
};

// Opens the session's own connection to $DISPLAY; false when there is no display.
bool Collega();

// Top-level windows that are mapped and whose title starts with "Bussolino".
QList<Finestra> Visibili();

// A left click at a point of the root window.
void Clicca(QPoint punto);
// The pointer away from every control, so no button is drawn pressed or hovered.
void Allontana();

// What the root window shows inside `r`.
QImage Cattura(const QRect& r);

// WM_DELETE_WINDOW, exactly what a window manager sends when the frame's close box is clicked.
void ChiudiDallaCornice(uint32_t id);

}  // namespace SchermoX
