#include "Applicazione.h"

#include "framework/Registro.h"
#include "services/Casuale.h"
#include "services/Voce.h"
#include "ui/Risorse.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Applicazione {

void prepara(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Bussolino"));
    // A teacher who wants the voice off from the start puts this in the desktop file.
    if (QApplication::arguments().contains(QStringLiteral("--senza-voce")))
        Voce::impostaAttiva(false);
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
