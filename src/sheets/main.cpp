// The worksheet maker: bussolino --schede runs it in the game's place with the same arguments.
// With exercises and a file it writes the PDF with no display at all; alone, it opens the
// teacher's window.
#include "Applicazione.h"
#include "Opzioni.h"
#include "platform/Piattaforma.h"
#include "services/Percorsi.h"
#include "sheets/FinestraInsegnante.h"
#include "sheets/Schede.h"
#include "ui/Risorse.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The figures are in gif/ beside the game.
void trovaFigure()
{
    Percorsi::impostaCartellaProgramma(Piattaforma::cartellaDelGioco(QCoreApplication::applicationDirPath()));
}

int scriviFile(char* programma, const Opzioni::Schede& schede)
{
    // Only the program's name: the options are read already, and the pages need no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Written from outside a desktop session (a script, ssh), there is no runtime folder, which Qt
    // would complain of before anything of ours: a private one serves for the moment.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    int argc = 1;
    char* argv[] = {programma, nullptr};
    QGuiApplication app(argc, argv);
    trovaFigure();
    Risorse::caricaCaratteri();
    const Schede::Problema p = Schede::scriviPdf(schede.file, schede, schede.seme.value_or(Schede::semeNuovo()));
    if (p.tipo == Schede::Problema::Tipo::Figura) {
        std::fprintf(stderr, "bussolino: cannot read the figure %s: %s\n", qPrintable(p.percorso), qPrintable(p.motivo));
        return 1;
    }
    if (p) {
        std::fprintf(stderr, "bussolino: cannot write %s: %s\n", qPrintable(p.percorso), qPrintable(p.motivo));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Opzioni::Scelte scelte;
    if (const auto esito = Opzioni::leggi(argc, argv, scelte))
        return *esito;
    const Opzioni::Schede schede = scelte.schede.value_or(Opzioni::Schede{});
    Applicazione::nessunBusDaAvviare();
    if (!schede.file.isEmpty())
        return scriviFile(argv[0], schede);

    Applicazione::primaDelDisplay(scelte);
    QApplication app(argc, argv);
    Applicazione::dopoIlDisplay();
    Applicazione::traduciQt(app);
    trovaFigure();
    Risorse::caricaCaratteri();
    FinestraInsegnante finestra(schede);
    finestra.show();
    return app.exec();
}
