#include "Applicazione.h"

#include "framework/Registro.h"
#include "services/Casuale.h"
#include "ui/Risorse.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Applicazione {

void prepara(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Bussolino"));
    Risorse::caricaCaratteri();
    static QTranslator italiano;
    if (italiano.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&italiano);
}

void Main()
{
    Casuale::seminaDallOrologio();
    Registro::mostra(Schermate::Id::FormAvvio);
}

}  // namespace Applicazione
