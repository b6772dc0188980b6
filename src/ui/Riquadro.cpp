#include "ui/Riquadro.h"

#include "ui/Colori.h"
#include "ui/Disegni.h"

#include <QPainter>

namespace Controlli {

Riquadro::Riquadro(QWidget* padre) : QWidget(padre) {}

void Riquadro::impostaSfondo(uint32_t bbggrr)
{
    riempiSfondo(this, bbggrr);
}

void Riquadro::impostaDisegno(const QString& nome)
{
    nomeDisegno = nome;
    update();
}

void Riquadro::paintEvent(QPaintEvent*)
{
    if (!nomeDisegno.isEmpty())
        QPainter(this).drawPixmap(0, 0, disegnoPer(this, nomeDisegno, size()));
}

}  // namespace Controlli
