#include "services/Memoria.h"

#include "platform/Piattaforma.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace Memoria {

namespace {
// Long enough that a child moving from screen to screen never waits for it: the giving back
// walks the whole heap (a millisecond or two), and runs while a screen stands still.
constexpr int Attesa = 200;  // ms
}  // namespace

void restituisciPresto()
{
    // A screen's window and controls leave holes all over the heap, which the allocator keeps for
    // itself and gives back only from its top: about a megabyte after a tour of the exercises.
    static QPointer<QTimer> timer;
    if (!timer) {
        if (!QCoreApplication::instance())
            return;
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(Attesa);
        QObject::connect(timer, &QTimer::timeout, [] { Piattaforma::restituisciMemoria(); });
    }
    timer->start();
}

}  // namespace Memoria
