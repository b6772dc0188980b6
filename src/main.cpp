#include "Applicazione.h"
#include "framework/Registro.h"
#include "services/PluginSuono.h"
#include "ui/Risorse.h"

#include <QApplication>
#include <thread>

int main(int argc, char** argv)
{
    // Before any thread: a session bus that cannot be reached is not looked for. Then the system's
    // font configuration is read while Qt connects to the display, and the title's font is added
    // on a thread of its own once the application exists.
    Applicazione::nessunBusDaAvviare();
    Risorse::leggiConfigurazioneCaratteri();
    QApplication app(argc, argv);
    std::thread carattereTitolo(Risorse::aggiungiCarattereTitolo);
    Applicazione::prepara(app);
    PluginSuono::caricaDopoIlPrimoDisegno();
    Applicazione::Main();
    carattereTitolo.join();
    const int esito = app.exec();
    // The windows go while the application still exists.
    Registro::distruggi();
    return esito;
}
