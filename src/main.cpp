#include "Applicazione.h"
#include "framework/Registro.h"
#include "services/PluginSuono.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Applicazione::prepara(app);
    PluginSuono::caricaDopoIlPrimoDisegno();
    Applicazione::Main();
    const int esito = app.exec();
    // The windows go while the application still exists.
    Registro::distruggi();
    return esito;
}
