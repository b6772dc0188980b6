// The worksheets' drawings on Windows: the recorded pictures the build made from the SVG files,
// played as vectors into the page.
#include "platform/DisegnoVettoriale.h"

#include "platform/windows/Registrazione.h"

#include <QPainter>

namespace Piattaforma {

struct DisegnoVettoriale::Dati {
    Registrazione::Disegno disegno;
};

DisegnoVettoriale::DisegnoVettoriale(const QString& percorso) : d(std::make_unique<Dati>())
{
    d->disegno = Registrazione::leggi(percorso);
}

DisegnoVettoriale::~DisegnoVettoriale() = default;

void DisegnoVettoriale::disegna(QPainter& p, const QRectF& r)
{
    if (!d->disegno.valido())
        return;
    QSizeF s = QSizeF(d->disegno.misura).scaled(r.size(), Qt::KeepAspectRatio);
    const QRectF dove(r.center() - QPointF(s.width() / 2, s.height() / 2), s);
    Registrazione::suona(p, d->disegno, dove);
}

}  // namespace Piattaforma
