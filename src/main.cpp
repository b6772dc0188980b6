#include "Applicazione.h"
#include "Opzioni.h"
#include "services/Lavori.h"
#include "services/PluginSuono.h"
#include "ui/Risorse.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The command line first, so that --help and --version answer without a display.
    Opzioni::Scelte scelte;
    if (const auto esito = Opzioni::leggi(argc, argv, scelte))
        return *esito;
    if (scelte.schede)
        return Applicazione::apriSchede(argv);
    // Before any thread: a session bus that cannot be reached is not looked for. Then the system's
    // font configuration is read while Qt connects to the display, and the title's font is added
    // on a thread of its own once the application exists.
    Applicazione::nessunBusDaAvviare();
    Lavori::esegui("configurazione", Risorse::letturaConfigurazioneCaratteri());
    Applicazione::primaDelDisplay(scelte);
    QApplication app(argc, argv);
    Applicazione::dopoIlDisplay();
    Lavori::esegui("titolo", Risorse::aggiungiCarattereTitolo);
    Applicazione::prepara(app, scelte);
    PluginSuono::caricaDopoIlPrimoDisegno();
    Applicazione::Main();
    const int esito = app.exec();
    Applicazione::chiudi();
    return esito;
}
