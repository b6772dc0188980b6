#include "framework/Finestra.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace {
QMargins corniceVista;
}  // namespace

QMargins corniceAttesa()
{
    if (!corniceVista.isNull())
        return corniceVista;
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("offscreen") || p == QLatin1String("minimal") ? QMargins() : QMargins(4, 32, 4, 4);
}

QSize misuraNelloSchermo(QSize client, int barra, const QRect& libero, const QMargins& cornice)
{
    const qreal k = std::min({1.0, qreal(libero.width() - cornice.left() - cornice.right()) / client.width(),
                              qreal(libero.height() - cornice.top() - cornice.bottom() - barra) / client.height()});
    if (k >= 1.0 || k <= 0)
        return {client.width(), client.height() + barra};
    return {int(std::floor(client.width() * k)), int(std::floor(client.height() * k)) + barra};
}

Finestra::Finestra(QWidget* padre) : QMainWindow(padre)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // F11: the whole designed canvas fills the screen, for classroom whiteboards.
    auto* schermoIntero = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(schermoIntero, &QShortcut::activated, this, [this] {
        if (isFullScreen())
            showNormal();
        else
            showFullScreen();
    });
}

void Finestra::closeEvent(QCloseEvent* e)
{
    e->accept();
    emit chiusa();
}

void Finestra::moveEvent(QMoveEvent* e)
{
    // The frame is known once the window manager has placed the window.
    if (windowHandle() && !windowHandle()->frameMargins().isNull())
        corniceVista = windowHandle()->frameMargins();
    QMainWindow::moveEvent(e);
}
