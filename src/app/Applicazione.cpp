#include "app/Applicazione.h"

#include "ui/Risorse.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Applicazione {

void Prepara(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Bussolino"));
    Risorse::CaricaCaratteri();
    static QTranslator italiano;
    if (italiano.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&italiano);
}

}  // namespace Applicazione
