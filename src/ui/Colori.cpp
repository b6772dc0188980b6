#include "ui/Colori.h"

#include "ui/Layout.h"

#include <QPalette>
#include <QWidget>

namespace Controlli {

QColor colore(uint32_t bbggrr)
{
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

QColor inchiostroSu(const QColor& sfondo)
{
    const qreal luminanza = 0.299 * sfondo.redF() + 0.587 * sfondo.greenF() + 0.114 * sfondo.blueF();
    return luminanza > 0.45 ? QColor(0x10, 0x10, 0x10) : QColor(Qt::white);
}

void riempiSfondo(QWidget* w, uint32_t bbggrr)
{
    w->setAutoFillBackground(bbggrr != Layout::Nessuno);
    if (bbggrr == Layout::Nessuno)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colore(bbggrr));
    w->setPalette(p);
}

}  // namespace Controlli
