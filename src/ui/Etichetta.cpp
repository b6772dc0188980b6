#include "ui/Etichetta.h"

#include "ui/Cliccabile.h"
#include "ui/Colori.h"

namespace Controlli {

Etichetta::Etichetta(QWidget* padre) : QLabel(padre)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void Etichetta::impostaTesto(const QString& t)
{
    esatto = t;
    QString mostrato = t;
    mostrato.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(mostrato);
}

void Etichetta::impostaSfondo(uint32_t bbggrr)
{
    riempiSfondo(this, bbggrr);
}

void Etichetta::mouseReleaseEvent(QMouseEvent* e)
{
    if (clickSopra(this, e))
        emit click();
}

}  // namespace Controlli
