#pragma once
// Drawing on a printed page measured in points (1/72 inch) from the corner of an A4 sheet,
// whatever the device: a PDF file or a printer, whose page is filled as an A4 sheet would be.
// Text stays text in the carried font, drawings stay vectors, figures go in as their files hold them.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <memory>

namespace Piattaforma {
class DisegnoVettoriale;
}

namespace Carta {

// An A4 sheet, and the margins every home printer keeps clear.
constexpr double Larghezza = 595.276, Altezza = 841.89;
constexpr double Millimetro = 72 / 25.4;
constexpr double Margine = 15 * Millimetro;
constexpr double LarghezzaUtile = Larghezza - 2 * Margine;  // between the margins
// A figure is never printed larger than its 600 pixels allow at 300 dots an inch.
constexpr double FiguraMassima = 600.0 / 300 * 72;

struct Testo {
    double punti = 12;
    bool grassetto = false;
    QColor colore = Qt::black;
};

class Pagina {
public:
    // `painter` draws on a paged device; the sheet is scaled down and centred should its page be
    // smaller than A4 (a printer set to Letter), never scaled up.
    explicit Pagina(QPainter& painter);
    ~Pagina();

    // Text in the rectangle, wrapped at blanks; flags as QPainter::drawText takes them.
    void testo(const QRectF& r, const QString& t, const Testo& come, int allinea = Qt::AlignLeft | Qt::AlignTop);
    // The height `t` takes wrapped in `larghezza`, and the width it takes on one line.
    double altezza(double larghezza, const QString& t, const Testo& come) const;
    double larghezza(const QString& t, const Testo& come) const;

    // An outline: `spessore` in points, drawn inside nothing (centred on the rectangle's edge).
    void riquadro(const QRectF& r, double spessore = 1, const QColor& colore = Qt::black, double raggio = 0);
    // A filled rectangle with a black outline (a coloured line of the field).
    void pieno(const QRectF& r, const QColor& colore, double spessore = 0.75);
    void linea(QPointF da, QPointF a, double spessore = 1, const QColor& colore = Qt::black, Qt::PenStyle stile = Qt::SolidLine);
    void cerchio(const QRectF& r, double spessore, const QColor& colore);
    // A figure: the picture as its file holds it, embedded losslessly; the same QImage drawn
    // again is embedded once.
    void figura(const QRectF& r, const QImage& immagine);
    // A carried drawing as vectors, keeping its proportions, centred in the rectangle.
    void disegno(const QRectF& r, const QString& nome);

private:
    QFont carattere(const Testo& come) const;
    QRectF su(const QRectF& r) const { return trasforma.mapRect(r); }

    QPainter& p;
    QTransform trasforma;  // points to the device's pixels
    double scala;          // the device's pixels a point
    QHash<QString, std::shared_ptr<Piattaforma::DisegnoVettoriale>> disegni;
};

}  // namespace Carta
