#include "ui/Risorse.h"

#include <QDir>
#include <QFontDatabase>
#include <QtDebug>

namespace Risorse {

namespace {

struct Famiglie {
    QString arial = QStringLiteral("Liberation Sans");
    QString comic = QStringLiteral("Comic Neue");
};

// The family a carried font file registered as; `riserva` when it could not be
// added, so text still falls back to an installed copy of the same font.
QString Aggiungi(const QString& file, const QString& riserva)
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/caratteri/") + file);
    const QStringList famiglie = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (famiglie.isEmpty()) {
        qWarning("Risorse: the carried font %s could not be loaded", qPrintable(file));
        return riserva;
    }
    return famiglie.first();
}

const Famiglie& Registrate()
{
    static const Famiglie famiglie = [] {
        Famiglie f;
        f.arial = Aggiungi(QStringLiteral("LiberationSans-Regular.ttf"), f.arial);
        Aggiungi(QStringLiteral("LiberationSans-Bold.ttf"), f.arial);
        f.comic = Aggiungi(QStringLiteral("ComicNeue-Regular.otf"), f.comic);
        Aggiungi(QStringLiteral("ComicNeue-Bold.otf"), f.comic);
        return f;
    }();
    return famiglie;
}

}  // namespace

void CaricaCaratteri() { Registrate(); }

QString FamigliaArial() { return Registrate().arial; }
QString FamigliaComic() { return Registrate().comic; }

QString PercorsoFigura(const QString& nome)
{
    return QStringLiteral(":/figure/%1.svg").arg(nome);
}

QStringList NomiFigure()
{
    // Read from the resources themselves, so the list is always what was carried.
    QStringList nomi;
    const QStringList file = QDir(QStringLiteral(":/figure")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QString& f : file)
        nomi << f.chopped(4);
    return nomi;
}

}  // namespace Risorse
