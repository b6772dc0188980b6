#include "Figura.h"

#include "Tavolozza.h"
#include "services/Modulo1.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>

namespace Figura {

Posa dallaTabella(int n)
{
    const bool diFronte = n <= Modulo1::NumeroPose / 2;
    const int destro = Modulo1::BraccioDestro(n);
    const int sinistro = Modulo1::BraccioSinistro(n);
    return {diFronte ? Vista::DiFronte : Vista::DiSpalle, Modulo1::GambeUnite(n),
            diFronte ? destro : sinistro, diFronte ? sinistro : destro};
}

namespace {

// Everything is laid out for the picture's right half and mirrored for the left one:
// `lato` is +1 on the right and -1 on the left.
constexpr double Centro = Lato / 2.0;
constexpr double Tratto = 6;

constexpr QPointF CentroTesta{Centro, 162};
constexpr double RaggioTesta = 77;

// The arm leaves the shoulder at (Centro ± SpallaX, SpallaY), far enough out that an arm
// held straight up clears the head; the sleeve starts inside the shirt so it stays joined.
constexpr double SpallaX = 110;
constexpr double SpallaY = 272;
constexpr double AttaccoX = 80;
constexpr double SpessoreBraccio = 50;
constexpr double LunghezzaBraccio = 146;
constexpr double RaggioMano = 28;

constexpr double MezzoBacino = 35;  // from the middle to each hip
constexpr double AltezzaAnca = 406;
constexpr double LarghezzaGamba = 70;

QPen pennaContorno(double spessore = Tratto)
{
    return QPen(QColor(Tavolozza::Contorno), spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void riempi(QPainter& p, const QPainterPath& forma, QRgb colore, double tratto = Tratto)
{
    p.setPen(tratto > 0 ? pennaContorno(tratto) : QPen(Qt::NoPen));
    p.setBrush(QColor(colore));
    p.drawPath(forma);
}

QPainterPath cerchio(QPointF centro, double raggio)
{
    QPainterPath c;
    c.addEllipse(centro, raggio, raggio);
    return c;
}

QPainterPath ellisse(QPointF centro, double rx, double ry)
{
    QPainterPath e;
    e.addEllipse(centro, rx, ry);
    return e;
}

// A thick segment with rounded ends, as a shape that can be filled and outlined.
QPainterPath segmento(QPointF da, QPointF a, double spessore)
{
    QPainterPath linea(da);
    linea.lineTo(a);
    QPainterPathStroker s;
    s.setWidth(spessore);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(linea).simplified();
}

// Where the hand ends up for each arm code, on the picture's right side.
QPointF direzione(int codice)
{
    constexpr double Diagonale = 0.70710678;
    switch (codice) {
    case 1: return {Diagonale, -Diagonale};  // up and out
    case 2: return {1, 0};                   // out sideways
    case 3: return {0, -1};                  // straight up
    default: {
        // Down along the body, a little away from it so the arm reads as an arm.
        const double a = 9 * M_PI / 180;
        return {std::sin(a), std::cos(a)};
    }
    }
}

void ombra(QPainter& p)
{
    riempi(p, ellisse({Centro, 566}, 190, 20), Tavolozza::Ombra, 0);
}

void gambe(QPainter& p, bool unite)
{
    // Legs apart stand far out, so they read as apart even in the smallest box.
    const double distanzaPiedi = unite ? MezzoBacino : 130;
    const double altezzaCaviglia = unite ? 534 : 522;
    QPainterPath pantaloni;
    // The waistband hides under the shirt; the legs start right at its hem, so legs apart
    // make a clean upside-down V.
    pantaloni.addRect(QRectF(Centro - 70, 392, 140, 28));
    for (int lato : {-1, 1}) {
        const QPointF anca(Centro + lato * MezzoBacino, AltezzaAnca);
        const QPointF caviglia(Centro + lato * distanzaPiedi, altezzaCaviglia);
        QPainterPath gamba;
        gamba.addPolygon(QPolygonF{
            anca + QPointF(-LarghezzaGamba / 2, 0), anca + QPointF(LarghezzaGamba / 2, 0),
            caviglia + QPointF(LarghezzaGamba / 2, 0), caviglia + QPointF(-LarghezzaGamba / 2, 0)});
        gamba.closeSubpath();
        pantaloni = pantaloni.united(gamba);
    }
    riempi(p, pantaloni.simplified(), Tavolozza::Pantaloni);
    if (unite) {
        // The two legs side by side: a seam down the middle keeps them two legs.
        p.setPen(pennaContorno());
        p.drawLine(QPointF(Centro, 420), QPointF(Centro, altezzaCaviglia));
    }
    for (int lato : {-1, 1}) {
        // Shoes point outwards, toes away from the middle.
        const QPointF caviglia(Centro + lato * distanzaPiedi, altezzaCaviglia);
        QPainterPath scarpa;
        scarpa.addRoundedRect(QRectF(caviglia.x() - 40 + lato * 14, caviglia.y() - 6, 80, 40), 20, 20);
        riempi(p, scarpa, Tavolozza::Scarpe);
    }
}

QPainterPath busto()
{
    QPainterPath busto;
    busto.addRoundedRect(QRectF(Centro - 78, 242, 156, 120), 40, 40);
    QPainterPath fondo;
    fondo.addRoundedRect(QRectF(Centro - 78, 300, 156, 112), 14, 14);
    return busto.united(fondo).simplified();
}

QPainterPath stella(QPointF centro, double raggioFuori, double raggioDentro)
{
    QPolygonF punte;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? raggioDentro : raggioFuori;
        const double a = -M_PI / 2 + i * M_PI / 5;
        punte << centro + QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath stella;
    stella.addPolygon(punte);
    stella.closeSubpath();
    return stella;
}

void maglia(QPainter& p, Vista vista)
{
    QPainterPath collo;
    collo.addRect(QRectF(Centro - 18, 220, 36, 34));
    riempi(p, collo, Tavolozza::Pelle);
    riempi(p, busto(), Tavolozza::Maglia);
    if (vista == Vista::DiFronte) {
        // The round neckline and the star on the chest: the front of the shirt.
        QPainterPath scollo;
        scollo.moveTo(Centro - 34, 238);
        scollo.arcTo(QRectF(Centro - 34, 216, 68, 48), 180, 180);
        scollo.closeSubpath();
        riempi(p, scollo, Tavolozza::Pelle);
        riempi(p, stella({Centro, 326}, 34, 15), Tavolozza::Maniche, 5);
    } else {
        // From behind the collar is a plain band just under the hair.
        p.setPen(pennaContorno(5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(Centro - 40, 236, 80, 18), 200 * 16, 140 * 16);
    }
}

void braccio(QPainter& p, int lato, int codice)
{
    const QPointF spalla(Centro + lato * SpallaX, SpallaY);
    const QPointF attacco(Centro + lato * AttaccoX, SpallaY - 4);
    const QPointF d = direzione(codice);
    const QPointF mano = spalla + QPointF(lato * d.x(), d.y()) * LunghezzaBraccio;
    QPainterPath manica = segmento(attacco, spalla, SpessoreBraccio)
                              .united(segmento(spalla, mano, SpessoreBraccio));
    riempi(p, manica.simplified(), Tavolozza::Maniche);
    riempi(p, cerchio(mano, RaggioMano), Tavolozza::Pelle);
}

QPainterPath ciuffo()
{
    // A little tuft on top of the head, the same from both sides.
    QPainterPath c;
    const QPointF base = CentroTesta + QPointF(4, -RaggioTesta + 6);
    c.moveTo(base + QPointF(-16, 4));
    c.cubicTo(base + QPointF(-14, -30), base + QPointF(14, -40), base + QPointF(34, -30));
    c.cubicTo(base + QPointF(14, -22), base + QPointF(10, -8), base + QPointF(16, 4));
    c.closeSubpath();
    return c;
}

void testa(QPainter& p, Vista vista)
{
    // Ears first, then the head over them.
    for (int lato : {-1, 1})
        riempi(p, cerchio(CentroTesta + QPointF(lato * (RaggioTesta - 5), 14), 15), Tavolozza::Pelle);

    riempi(p, ciuffo(), Tavolozza::Capelli);
    const QPainterPath testa = cerchio(CentroTesta, RaggioTesta);
    if (vista == Vista::DiSpalle) {
        // The back of the head is all hair, with the whorl on the crown.
        riempi(p, testa, Tavolozza::Capelli);
        p.setPen(pennaContorno(5));
        p.setBrush(Qt::NoBrush);
        const QPointF vortice = CentroTesta + QPointF(10, -28);
        QPainterPath spirale(vortice);
        for (int i = 1; i <= 40; ++i) {
            const double a = i * 0.3;
            const double r = 1.6 + i * 0.55;
            spirale.lineTo(vortice + QPointF(r * std::cos(a), r * std::sin(a)));
        }
        p.drawPath(spirale);
        // Strands falling to the nape, well below where eyes would be, so nothing looks like a face.
        for (int lato : {-1, 1}) {
            QPainterPath ciocca(CentroTesta + QPointF(lato * 34, 30));
            ciocca.quadTo(CentroTesta + QPointF(lato * 38, 50), CentroTesta + QPointF(lato * 28, 62));
            p.drawPath(ciocca);
        }
        return;
    }

    riempi(p, testa, Tavolozza::Pelle);
    // Hair over the top with a fringe of three locks on the forehead.
    QPainterPath viso = ellisse(CentroTesta + QPointF(0, 26), 68, 67);
    for (int i = -1; i <= 1; ++i)
        viso = viso.subtracted(cerchio(CentroTesta + QPointF(i * 28, -38 - (i == 0 ? 5 : 0)), 18));
    riempi(p, testa.subtracted(viso).simplified(), Tavolozza::Capelli);

    // The face: eyes with a shine, rosy cheeks, a big open smile.
    p.setPen(Qt::NoPen);
    for (int lato : {-1, 1}) {
        const QPointF occhio = CentroTesta + QPointF(lato * 28, 10);
        riempi(p, ellisse(occhio, 10, 13), Tavolozza::Contorno, 0);
        riempi(p, cerchio(occhio + QPointF(3, -5), 4), Tavolozza::Sfondo, 0);
        riempi(p, ellisse(CentroTesta + QPointF(lato * 50, 36), 12, 8), Tavolozza::Guance, 0);
    }
    QPainterPath bocca;
    bocca.moveTo(CentroTesta + QPointF(-22, 36));
    bocca.arcTo(QRectF(CentroTesta + QPointF(-22, 14), QSizeF(44, 44)), 180, 180);
    bocca.closeSubpath();
    riempi(p, bocca, Tavolozza::Bocca, 4);
}

}  // namespace

QImage disegna(const Posa& posa)
{
    QImage img(Lato, Lato, QImage::Format_RGB32);
    img.fill(Tavolozza::Sfondo);
    QPainter p(&img);
    // Flat colours only: the picture must hold nothing but the palette.
    p.setRenderHint(QPainter::Antialiasing, false);

    ombra(p);
    gambe(p, posa.gambeUnite);
    maglia(p, posa.vista);
    testa(p, posa.vista);
    braccio(p, -1, posa.braccioASinistra);
    braccio(p, +1, posa.braccioADestra);
    return img;
}

}  // namespace Figura
