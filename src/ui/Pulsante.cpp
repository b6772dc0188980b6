#include "ui/Pulsante.h"

#include "ui/Colori.h"
#include "ui/Disegni.h"
#include "ui/Layout.h"

#include <QPainter>
#include <QPainterPath>

namespace Controlli {

namespace {
const QColor Grigio(0xEC, 0xEC, 0xEC);

// The picture as a disabled button shows it: grey, half transparent.
QPixmap spento(const QPixmap& f, qreal dpr)
{
    QImage grigia = f.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grigia.height(); ++y) {
        QRgb* riga = reinterpret_cast<QRgb*>(grigia.scanLine(y));
        for (int x = 0; x < grigia.width(); ++x) {
            const int g = qGray(riga[x]);
            riga[x] = qRgba(g, g, g, qAlpha(riga[x]) / 2);
        }
    }
    QPixmap p = QPixmap::fromImage(grigia);
    p.setDevicePixelRatio(dpr);
    return p;
}
}  // namespace

Pulsante::Pulsante(QWidget* padre) : QAbstractButton(padre), sfondo(Grigio)
{
    setFocusPolicy(Qt::NoFocus);
}

void Pulsante::impostaSfondo(uint32_t bbggrr)
{
    sfondo = bbggrr == Layout::Nessuno ? Grigio : colore(bbggrr);
    update();
}

void Pulsante::impostaDisegno(const QString& nome)
{
    nomeDisegno = nome;
    update();
}

QRectF Pulsante::disegnaFaccia(QPainter& p, const QColor& base, qreal u) const
{
    const bool giu = isDown();
    const QRectF r = QRectF(rect()).adjusted(u, u, -u, -u);
    const qreal raggio = qMin(r.height(), r.width()) * 0.18;
    // A raised face: darker rim below, lighter rim above, the body in the button's own colour.
    QPainterPath forma;
    forma.addRoundedRect(r, raggio, raggio);
    p.fillPath(forma, base.darker(giu ? 120 : 150));
    QPainterPath corpo;
    const QRectF rc = r.adjusted(0, giu ? 2 * u : 0, 0, -(giu ? 0 : 3 * u));
    corpo.addRoundedRect(rc, raggio, raggio);
    p.fillPath(corpo, giu ? base.darker(108) : base);
    QPainterPath luce;
    luce.addRoundedRect(rc.adjusted(2 * u, 1.5 * u, -2 * u, -rc.height() * 0.55), raggio * 0.7, raggio * 0.7);
    QColor chiaro = Qt::white;
    chiaro.setAlphaF(0.28);
    p.fillPath(luce, chiaro);
    p.setPen(QPen(base.darker(200), u));
    p.drawPath(forma);
    return rc.adjusted(2 * u, u, -2 * u, -u);
}

void Pulsante::disegnaFigura(QPainter& p, QRectF& area) const
{
    const QFontMetricsF fm(font());
    const qreal lato = qMax<qreal>(8, qMin(area.height() - fm.height(), area.width()));
    const QPixmap f = disegnoPer(this, nomeDisegno, QSize(qRound(lato), qRound(lato)));
    const qreal alto = area.top() + qMax<qreal>(0, (area.height() - fm.height() - lato) / 2);
    p.drawPixmap(QPointF(area.center().x() - lato / 2, alto), isEnabled() ? f : spento(f, devicePixelRatioF()));
    area.setTop(alto + lato);
}

void Pulsante::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool attivo = isEnabled();
    const qreal u = qMax<qreal>(1.0, height() / 40.0);  // grows with the window's scale
    QColor base = sfondo;
    if (!attivo)
        base = QColor::fromHsvF(base.hsvHueF(), base.hsvSaturationF() * 0.45, qMin(1.0, base.valueF() * 0.9 + 0.08));
    QRectF area = disegnaFaccia(p, base, u);

    QColor inchiostro = inchiostroSu(base);
    if (!attivo)
        inchiostro = inchiostro == Qt::white ? QColor(0xE0, 0xE0, 0xE0) : QColor(0x80, 0x80, 0x80);
    Qt::Alignment allinea = Qt::AlignCenter;
    if (!nomeDisegno.isEmpty()) {
        disegnaFigura(p, area);
        allinea = Qt::AlignHCenter | Qt::AlignTop;
    }
    p.setPen(inchiostro);
    p.drawText(area, allinea | Qt::TextWordWrap, text());
}

}  // namespace Controlli
