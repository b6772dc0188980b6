#include "services/Memoria.h"

#include <QCoreApplication>
#include <QTimer>
#include <malloc.h>

namespace Memoria {

void restituisciPresto()
{
    // A screen's window and controls leave holes all over the heap, which the allocator keeps for
    // itself and gives back only from its top: about a megabyte after a tour of the exercises.
    static bool inAttesa = false;
    if (inAttesa || !QCoreApplication::instance())
        return;
    inAttesa = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        inAttesa = false;
        malloc_trim(0);
    });
}

}  // namespace Memoria
