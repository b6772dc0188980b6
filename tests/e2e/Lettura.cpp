#include "Lettura.h"

#include "ui/Controlli.h"
#include "ui/Risorse.h"

#include <QHash>
#include <cmath>

namespace Lettura {

namespace {
int Distanza(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return int(std::sqrt(double(dr * dr + dg * dg + db * db)));
}

// The pixels that stand out from the background: the strokes of the letters, whatever
// ink the program chose for that background.
struct Tratti {
    QVector<bool> mappa;
    QVector<QPoint> punti;
    QRect box;
    int larghezza = 0;
    bool in(QPoint p) const
    {
        return p.x() >= 0 && p.y() >= 0 && p.x() < larghezza && p.y() * larghezza + p.x() < mappa.size()
               && mappa[p.y() * larghezza + p.x()];
    }
};

Tratti Estrai(const QImage& img, QRgb sfondo)
{
    int massimo = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            massimo = qMax(massimo, Distanza(img.pixel(x, y), sfondo));
    const int soglia = qMax(60, massimo / 2);
    Tratti t;
    t.larghezza = img.width();
    t.mappa.resize(img.width() * img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Distanza(img.pixel(x, y), sfondo) > soglia) {
                t.mappa[y * img.width() + x] = true;
                t.punti << QPoint(x, y);
                t.box |= QRect(x, y, 1, 1);
            }
    return t;
}

// How much of the two sets of strokes coincide when the model is moved by `scarto`.
double Somiglianza(const Tratti& visto, const Tratti& modello, QPoint scarto)
{
    if (visto.punti.isEmpty() && modello.punti.isEmpty())
        return 1.0;
    int entrambi = 0;
    for (const QPoint& p : modello.punti)
        entrambi += visto.in(p + scarto);
    return double(entrambi) / (visto.punti.size() + modello.punti.size() - entrambi);
}

// The words as a label of that design shows them, black on white.
QImage Modello(const Layout::Controllo& c, QSize dimensione, const QString& testo)
{
    Controlli::Etichetta e;
    QFont f(c.carattere.famiglia == Layout::Famiglia::Comic ? Risorse::famigliaComic() : Risorse::famigliaArial());
    f.setBold(c.carattere.grassetto);
    f.setPixelSize(qMax(1, int(std::lround(c.carattere.punti * 96.0 / 72.0))));
    e.setFont(f);
    e.setAlignment((c.allinea == Layout::Allinea::Centro ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    QPalette p = e.palette();
    p.setColor(QPalette::WindowText, Qt::black);
    e.setPalette(p);
    e.resize(dimensione);
    e.impostaTesto(testo);
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::white);
    e.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

QPoint Baricentro(const QImage& img, bool (*scelto)(QRgb))
{
    qint64 sx = 0, sy = 0, n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (scelto(img.pixel(x, y)))
                sx += x, sy += y, ++n;
    return n < 20 ? QPoint(-1, -1) : QPoint(int(sx / n), int(sy / n));
}
}  // namespace

QRgb Rgb(uint32_t bbggrr)
{
    return qRgb(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

QString Nome(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

bool ColoreDellElenco(QRgb c)
{
    static const uint32_t elenco[] = {0xC0C0FF, 0x8080FF, 0x0000FF, 0x80C0FF, 0x0080FF, 0xC0FFFF,
                                      0x00FFFF, 0x0040C0, 0x80FF80, 0x00C000, 0xFFFFC0, 0xFFFF00,
                                      0xFFC0C0, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF};
    for (uint32_t e : elenco)
        if (Rgb(e) == (c | 0xFF000000))
            return true;
    return false;
}

QRgb ColorePosa(int numero)
{
    // Blue 77 is in no background colour and no carried picture's flat areas.
    return qRgb(8 + 4 * numero, 247 - 4 * numero, 77);
}

int PosaDaColore(QRgb c)
{
    for (int n = 1; n <= 56; ++n)
        if (ColorePosa(n) == (c | 0xFF000000))
            return n;
    return 0;
}

Faccia LeggiFaccia(const QImage& r)
{
    // The yellow of the faces is in no background colour of the list.
    auto giallo = [](QRgb p) { return qRed(p) > 225 && qGreen(p) >= 175 && qGreen(p) <= 225 && qBlue(p) < 120; };
    QRect box;
    int gialli = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (giallo(r.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
                ++gialli;
            }
    if (gialli < 200)
        return Faccia::Nessuna;
    // Only inside the face's round, where no background can show.
    const QPointF centro = QRectF(box).center();
    const double raggio = 0.8 * box.width() / 2;
    int rossi = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = r.pixel(x, y);
            if (std::hypot(x - centro.x(), y - centro.y()) < raggio && qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90)
                ++rossi;
        }
    return rossi >= 15 ? Faccia::Ride : Faccia::Triste;
}

QString Nome(Faccia f)
{
    switch (f) {
    case Faccia::Nessuna: return QStringLiteral("no face");
    case Faccia::Ride: return QStringLiteral("the laughing face");
    case Faccia::Triste: return QStringLiteral("the sad face");
    }
    return {};
}

int Diversi(const QImage& regione, QRgb colore, int distanza)
{
    int n = 0;
    for (int y = 0; y < regione.height(); ++y)
        for (int x = 0; x < regione.width(); ++x)
            n += Distanza(regione.pixel(x, y), colore) > distanza;
    return n;
}

bool AvantiAttivo(const QImage& b, QRgb sfondo)
{
    // Inside the button's rim, and never the screen's own colour showing at its corners.
    const QRect dentro = b.rect().adjusted(b.width() / 8, b.height() / 8, -b.width() / 8, -b.height() / 8);
    int blu = 0;
    for (int y = dentro.top(); y <= dentro.bottom(); ++y)
        for (int x = dentro.left(); x <= dentro.right(); ++x) {
            const QRgb p = b.pixel(x, y);
            blu += qBlue(p) > 150 && qBlue(p) > qRed(p) + 70 && qBlue(p) > qGreen(p) + 30 && Distanza(p, sfondo) > 40;
        }
    return blu > 30;
}

Letto LeggiTesto(const QImage& regione, QRgb sfondo, const Layout::Controllo& c, const QStringList& candidati,
                 std::optional<QPoint> scarto)
{
    const Tratti visto = Estrai(regione, sfondo);
    Letto l;
    l.somiglianza = -1;
    for (const QString& t : candidati) {
        static QHash<QString, Tratti> modelli;
        const QString chiave = Layout::chiave(c.nome, c.indice) + '|' + QString::number(regione.width()) + 'x'
                               + QString::number(regione.height()) + '|' + t;
        if (!modelli.contains(chiave))
            modelli.insert(chiave, Estrai(Modello(c, regione.size(), t), qRgb(255, 255, 255)));
        const Tratti& modello = modelli[chiave];
        // Margins and alignment are the program's business: line the words up by their ink,
        // unless the place of the words is known and is itself what is read.
        const QPoint dove = scarto ? *scarto
                            : (visto.box.isEmpty() || modello.box.isEmpty()) ? QPoint()
                                                                              : visto.box.topLeft() - modello.box.topLeft();
        const double s = Somiglianza(visto, modello, dove);
        if (s > l.somiglianza) {
            l.seconda = qMax(0.0, l.somiglianza);
            l.somiglianza = s;
            l.testo = t;
            l.scarto = dove;
        } else if (s > l.seconda) {
            l.seconda = s;
        }
    }
    return l;
}

Letto LeggiConteggio(const QImage& regione, QRgb sfondo, const Layout::Controllo& c, std::optional<QPoint> scarto)
{
    QStringList candidati{QStringLiteral("0")};
    for (int n = 1; n <= 12; ++n)
        candidati << ' ' + QString::number(n) << QString::number(n);
    return LeggiTesto(regione, sfondo, c, candidati, scarto);
}

QPoint IconaVerde(const QImage& r)
{
    return Baricentro(r, [](QRgb p) { return qGreen(p) > qRed(p) + 15 && qGreen(p) > qBlue(p) + 10; });
}

QPoint IconaRossa(const QImage& r)
{
    return Baricentro(r, [](QRgb p) { return qRed(p) > qGreen(p) + 25 && qRed(p) > qBlue(p) + 25; });
}

}  // namespace Lettura
