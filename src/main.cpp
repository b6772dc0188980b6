#include "Applicazione.h"
#include "framework/Registro.h"
#include "services/PluginSuono.h"
#include "ui/Risorse.h"

#include <QApplication>
#include <future>
#include <thread>

int main(int argc, char** argv)
{
    // The title's font is made ready on a thread of its own while Qt connects to the display.
    std::promise<void> applicazione;
    std::thread caratteri(Risorse::preparaCaratteri, applicazione.get_future());
    QApplication app(argc, argv);
    applicazione.set_value();
    Applicazione::prepara(app);
    PluginSuono::caricaDopoIlPrimoDisegno();
    Applicazione::Main();
    caratteri.join();
    const int esito = app.exec();
    // The windows go while the application still exists.
    Registro::distruggi();
    return esito;
}
