#include "app/Figure.h"

#include "app/Percorsi.h"

#include <QHash>
#include <QImageReader>
#include <cstdio>

namespace Figure {

namespace {
QHash<QString, QImage>& Cache()
{
    static QHash<QString, QImage> c;
    return c;
}

QImage Leggi(const QString& percorso)
{
    QImageReader lettore(percorso);
    lettore.setDecideFormatFromContent(true);
    const QSize dimensione = lettore.size();
    QString problema;
    QImage immagine;
    if (dimensione.width() > LatoMassimo || dimensione.height() > LatoMassimo) {
        problema = QStringLiteral("too large (%1 x %2)").arg(dimensione.width()).arg(dimensione.height());
    } else if (!lettore.read(&immagine)) {
        problema = lettore.errorString();
    }
    if (!problema.isEmpty()) {
        std::fprintf(stderr, "bussolino: cannot show picture %s: %s\n", qPrintable(percorso), qPrintable(problema));
        return {};
    }
    return immagine;
}
}  // namespace

QImage Carica(int numero)
{
    const QString percorso = Percorsi::Figura(numero);
    auto it = Cache().constFind(percorso);
    if (it == Cache().constEnd())
        it = Cache().insert(percorso, Leggi(percorso));
    return *it;
}

void SvuotaCache()
{
    Cache().clear();
}

}  // namespace Figure
