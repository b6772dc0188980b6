// Drawing on an A4 page in points, onto a PDF writer or a printer.
#include "sheets/Carta.h"

#include "platform/DisegnoVettoriale.h"
#include "ui/Risorse.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace Carta {

Pagina::Pagina(QPainter& painter) : p(painter)
{
    QPaintDevice* d = p.device();
    const double x = d->logicalDpiX() / 72.0, y = d->logicalDpiY() / 72.0;
    // Points to pixels, the sheet fitted into the page and centred on it.
    const double adatta = std::min({1.0, d->width() / (Larghezza * x), d->height() / (Altezza * y)});
    scala = x * adatta;
    trasforma = QTransform::fromScale(x * adatta, y * adatta);
    trasforma *= QTransform::fromTranslate((d->width() - Larghezza * x * adatta) / 2, (d->height() - Altezza * y * adatta) / 2);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::LosslessImageRendering);
}

Pagina::~Pagina() = default;

QFont Pagina::carattere(const Testo& come) const
{
    QFont f(Risorse::famigliaArial());
    // Sized in the device's own pixels so that its font engine measures the letters exactly.
    f.setPixelSize(std::max(1, int(std::lround(come.punti * scala))));
    f.setBold(come.grassetto);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void Pagina::testo(const QRectF& r, const QString& t, const Testo& come, int allinea)
{
    p.setFont(carattere(come));
    p.setPen(come.colore);
    p.drawText(su(r), allinea | Qt::TextWordWrap, t);
}

double Pagina::altezza(double larghezza, const QString& t, const Testo& come) const
{
    const QFontMetricsF m(carattere(come), p.device());
    return m.boundingRect(QRectF(0, 0, larghezza * scala, 1e6), Qt::TextWordWrap, t).height() / scala;
}

double Pagina::larghezza(const QString& t, const Testo& come) const
{
    return QFontMetricsF(carattere(come), p.device()).horizontalAdvance(t) / scala;
}

void Pagina::riquadro(const QRectF& r, double spessore, const QColor& colore, double raggio)
{
    p.setPen(QPen(colore, spessore * scala));
    p.setBrush(Qt::NoBrush);
    if (raggio > 0)
        p.drawRoundedRect(su(r), raggio * scala, raggio * scala);
    else
        p.drawRect(su(r));
}

void Pagina::pieno(const QRectF& r, const QColor& colore, double spessore)
{
    p.setPen(QPen(Qt::black, spessore * scala));
    p.setBrush(colore);
    p.drawRect(su(r));
    p.setBrush(Qt::NoBrush);
}

void Pagina::linea(QPointF da, QPointF a, double spessore, const QColor& colore, Qt::PenStyle stile)
{
    QPen penna(colore, spessore * scala, stile);
    penna.setCapStyle(Qt::FlatCap);
    p.setPen(penna);
    p.drawLine(trasforma.map(da), trasforma.map(a));
}

void Pagina::cerchio(const QRectF& r, double spessore, const QColor& colore)
{
    p.setPen(QPen(colore, spessore * scala));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(su(r));
}

void Pagina::figura(const QRectF& r, const QImage& immagine)
{
    p.drawImage(su(r), immagine);
}

void Pagina::disegno(const QRectF& r, const QString& nome)
{
    std::shared_ptr<Piattaforma::DisegnoVettoriale>& d = disegni[nome];
    if (!d)
        d = std::make_shared<Piattaforma::DisegnoVettoriale>(Risorse::percorsoDisegno(nome));
    d->disegna(p, su(r));
}

}  // namespace Carta
