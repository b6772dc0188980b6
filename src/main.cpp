#include "app/Applicazione.h"
#include "app/Modulo1.h"
#include "app/PluginSuono.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Applicazione::Prepara(app);
    PluginSuono::caricaDopoIlPrimoDisegno();
    Modulo1::Main();
    return app.exec();
}
