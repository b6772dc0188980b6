#include "services/Figure.h"

#include "services/Percorsi.h"

#include <QHash>
#include <QImageReader>
#include <cstdio>

namespace Figure {

namespace {
QHash<QString, QImage>& cache()
{
    static QHash<QString, QImage> c;
    return c;
}

QImage leggi(const QString& percorso)
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

QImage carica(int numero)
{
    const QString percorso = Percorsi::figura(numero);
    auto it = cache().constFind(percorso);
    if (it == cache().constEnd())
        it = cache().insert(percorso, leggi(percorso));
    return *it;
}

void svuotaCache()
{
    cache().clear();
}

}  // namespace Figure
