#include "ui/Linea.h"

#include "ui/Colori.h"

#include <QPainter>

namespace Controlli {

Linea::Linea(QWidget* padre) : QWidget(padre)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linea::impostaColore(uint32_t bbggrr)
{
    tinta = Controlli::colore(bbggrr);
    update();
}

void Linea::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), tinta);
}

}  // namespace Controlli
