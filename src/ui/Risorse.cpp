#include "ui/Risorse.h"

#include "platform/Piattaforma.h"

#include <QDir>
#include <QFontDatabase>
#include <QResource>
#include <QtDebug>
#include <chrono>
#include <future>

namespace Risorse {

namespace {

// The family a carried font file registered as; `riserva` when it could not be
// added, so text still falls back to an installed copy of the same font.
QString aggiungi(const QString& file, const QString& riserva)
{
    // Given to Qt where the program itself holds it, stored uncompressed (ui/risorse.cmake): named
    // by its path, the font would be copied onto the heap twice, once for the font database and
    // once for the face drawing with it (0.8 MB for each Liberation Sans); this way only the pages
    // the letters are read from are ever loaded.
    const QResource risorsa(QStringLiteral(":/caratteri/") + file);
    const QByteArray dati = risorsa.compressionAlgorithm() == QResource::NoCompression
        ? QByteArray::fromRawData(reinterpret_cast<const char*>(risorsa.data()), qsizetype(risorsa.size()))
        : risorsa.uncompressedData();
    const int id = dati.isEmpty() ? -1 : QFontDatabase::addApplicationFontFromData(dati);
    const QStringList famiglie = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (famiglie.isEmpty()) {
        qWarning("Risorse: the carried font %s could not be loaded", qPrintable(file));
        return riserva;
    }
    return famiglie.first();
}

// A family's two carried files; the first names it.
QString aggiungiFamiglia(const QString& primo, const QString& secondo, const QString& riserva)
{
    const QString famiglia = aggiungi(primo, riserva);
    aggiungi(secondo, famiglia);
    return famiglia;
}

// Each family is added the first time a screen asks for it: parsing a font file costs
// milliseconds, and the title shows one family only.
const QString& comic()
{
    static const QString f = aggiungiFamiglia(QStringLiteral("ComicNeue-Bold.otf"), QStringLiteral("ComicNeue-Regular.otf"),
                                              QStringLiteral("Comic Neue"));
    return f;
}

const QString& arial()
{
    static const QString f = aggiungiFamiglia(QStringLiteral("LiberationSans-Regular.ttf"),
                                              QStringLiteral("LiberationSans-Bold.ttf"), QStringLiteral("Liberation Sans"));
    return f;
}

// Ready once the font configuration has been read on its own thread.
std::shared_future<void>& configurazioneLetta()
{
    static std::shared_future<void> f;
    return f;
}

}  // namespace

std::function<void()> letturaConfigurazioneCaratteri()
{
    auto fatto = std::make_shared<std::promise<void>>();
    configurazioneLetta() = fatto->get_future().share();
    return [fatto] {
        Piattaforma::leggiConfigurazioneCaratteri();
        fatto->set_value();
    };
}

void aggiungiCarattereTitolo()
{
    // Given up unread (a quit at once), the promise is broken and nothing waits.
    if (configurazioneLetta().valid())
        configurazioneLetta().wait_for(std::chrono::milliseconds(20));
    comic();
}

void caricaCaratteri()
{
    comic();
    arial();
}

QString famigliaArial() { return arial(); }
QString famigliaComic() { return comic(); }

QString percorsoDisegno(const QString& nome)
{
    return QStringLiteral(":/disegni/%1.%2").arg(nome, Piattaforma::estensioneDisegni());
}

QStringList nomiDisegni()
{
    // Read from the resources themselves, so the list is always what was carried.
    QStringList nomi;
    const QString estensione = QStringLiteral(".") + Piattaforma::estensioneDisegni();
    const QStringList file = QDir(QStringLiteral(":/disegni")).entryList({QStringLiteral("*") + estensione}, QDir::Files, QDir::Name);
    for (const QString& f : file)
        nomi << f.chopped(estensione.size());
    return nomi;
}

}  // namespace Risorse
