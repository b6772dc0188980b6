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
QString aggiungi(const QString& file, const QString& riserva)
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/caratteri/") + file);
    const QStringList famiglie = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (famiglie.isEmpty()) {
        qWarning("Risorse: the carried font %s could not be loaded", qPrintable(file));
        return riserva;
    }
    return famiglie.first();
}

const Famiglie& registrate()
{
    static const Famiglie famiglie = [] {
        Famiglie f;
        f.arial = aggiungi(QStringLiteral("LiberationSans-Regular.ttf"), f.arial);
        aggiungi(QStringLiteral("LiberationSans-Bold.ttf"), f.arial);
        f.comic = aggiungi(QStringLiteral("ComicNeue-Regular.otf"), f.comic);
        aggiungi(QStringLiteral("ComicNeue-Bold.otf"), f.comic);
        return f;
    }();
    return famiglie;
}

}  // namespace

void caricaCaratteri() { registrate(); }

QString famigliaArial() { return registrate().arial; }
QString famigliaComic() { return registrate().comic; }

QString percorsoDisegno(const QString& nome)
{
    return QStringLiteral(":/disegni/%1.svg").arg(nome);
}

QStringList nomiDisegni()
{
    // Read from the resources themselves, so the list is always what was carried.
    QStringList nomi;
    const QStringList file = QDir(QStringLiteral(":/disegni")).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QString& f : file)
        nomi << f.chopped(4);
    return nomi;
}

}  // namespace Risorse
