#include "ui/Disegni.h"

#include "platform/Piattaforma.h"
#include "ui/Risorse.h"

#include <QCache>
#include <QPainter>
#include <QSet>
#include <QWidget>
#include <cstdio>

namespace Controlli {

QPixmap disegno(const QString& nome, QSize dimensione)
{
    if (nome.isEmpty() || dimensione.isEmpty())
        return {};
    static QCache<QString, QPixmap> cache(8 * 1024);  // cost in KiB: every drawing of a screen, several screens
    const QString chiave = nome + '@' + QString::number(dimensione.width()) + 'x' + QString::number(dimensione.height());
    if (QPixmap* p = cache.object(chiave))
        return *p;
    QPixmap p(dimensione);
    p.fill(Qt::transparent);
    // Keep the drawing's proportions, centred in the box.
    const QImage immagine = Piattaforma::disegno(Risorse::percorsoDisegno(nome), dimensione);
    if (immagine.isNull()) {
        static QSet<QString> mancanti;  // said once a drawing, whatever the sizes asked
        if (!mancanti.contains(nome))
            std::fprintf(stderr, "bussolino: picture \"%s\" is missing from the program\n", qPrintable(nome));
        mancanti.insert(nome);
    } else {
        QPainter(&p).drawImage((dimensione.width() - immagine.width()) / 2, (dimensione.height() - immagine.height()) / 2, immagine);
    }
    cache.insert(chiave, new QPixmap(p), qMax(1, int(qint64(p.width()) * p.height() * 4 / 1024)));
    return p;
}

QSize inPixelDispositivo(const QWidget* w, QSize s)
{
    const qreal dpr = w->devicePixelRatioF();
    return QSize(qRound(s.width() * dpr), qRound(s.height() * dpr));
}

QPixmap disegnoPer(const QWidget* w, const QString& nome, QSize logica)
{
    QPixmap p = disegno(nome, inPixelDispositivo(w, logica));
    p.setDevicePixelRatio(w->devicePixelRatioF());
    return p;
}

QCursor puntatore()
{
    static const QCursor c = [] {
        QPixmap p = disegno("puntatore", QSize(32, 32));
        return p.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(p, 0, 0);
    }();
    return c;
}

}  // namespace Controlli
