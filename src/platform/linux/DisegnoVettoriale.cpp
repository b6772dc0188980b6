// The worksheets' drawings on Linux: the carried SVG through Qt Svg.
#include "platform/DisegnoVettoriale.h"

#include <QSvgRenderer>

namespace Piattaforma {

struct DisegnoVettoriale::Dati {
    QSvgRenderer svg;
};

DisegnoVettoriale::DisegnoVettoriale(const QString& percorso) : d(std::make_unique<Dati>())
{
    d->svg.load(percorso);
    d->svg.setAspectRatioMode(Qt::KeepAspectRatio);
}

DisegnoVettoriale::~DisegnoVettoriale() = default;

void DisegnoVettoriale::disegna(QPainter& p, const QRectF& r)
{
    d->svg.render(&p, r);
}

}  // namespace Piattaforma
