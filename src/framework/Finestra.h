#pragma once
// A screen's window: its frame, F11 for the whole screen, and the size it opens at.
#include <QMainWindow>
#include <QMargins>

class Finestra : public QMainWindow {
    Q_OBJECT
public:
    explicit Finestra(QWidget* padre = nullptr);

signals:
    void chiusa();  // closed through the window frame

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
};

// The size a window opens at: its designed client area and menu bar, or, on a screen whose
// free area (less the window manager's frame) is smaller, the client area scaled down to fit,
// proportions kept; the canvas scales the controls with it.
QSize misuraNelloSchermo(QSize client, int barra, const QRect& libero, const QMargins& cornice);

// The window manager's frame around our windows: as last seen, or before any window has been
// framed a usual title bar and border, where there is a window manager.
QMargins corniceAttesa();
