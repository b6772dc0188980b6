#include "services/PluginSuono.h"

#include "platform/Piattaforma.h"
#include "services/Lavori.h"
#include "ui/PrimoDisegno.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>
#include <mutex>

namespace PluginSuono {

namespace {

// The thread the plugin is loaded on.
constexpr char Caricatore[] = "suono";

struct Stato {
    std::mutex mutex;
    bool avviato = false;   // the load was given to its thread
    bool caricato = false;  // the load was tried, whatever came of it
    const Interfaccia* plugin = nullptr;
    // The program's player: made on the loading thread, so that its stream is open before the
    // first answer, or else at the first sound; let go by chiudi() while the application exists.
    std::unique_ptr<ModuloColoriSuoni::Lettore> vero;
};

// Never destroyed: should the program be ended at once (the display gone), no static destructor
// stops the player half-way.
Stato& stato()
{
    static Stato* s = new Stato;
    return *s;
}

// Beside the program when installed; one folder up for the tests and benchmarks of a build.
const Interfaccia* carica(const QString& programma)
{
    QString problema = QStringLiteral("not found");
    QString percorso = Piattaforma::fileLettore(programma);
    for (const QString& cartella : {programma, programma + QStringLiteral("/..")}) {
        const QString p = Piattaforma::fileLettore(cartella);
        if (!QFileInfo::exists(p))
            continue;
        percorso = p;
        QLibrary libreria(p);
        using Funzione = const Interfaccia* (*)();
        if (auto f = reinterpret_cast<Funzione>(libreria.resolve("bussolinoSuono")))
            return f();
        problema = libreria.errorString();
        break;
    }
    std::fprintf(stderr, "bussolino: cannot load the sound player %s: %s\n", qPrintable(percorso), qPrintable(problema));
    return nullptr;
}

void finisci(const Interfaccia* i, std::unique_ptr<ModuloColoriSuoni::Lettore> lettore)
{
    Stato& s = stato();
    std::lock_guard l(s.mutex);
    s.plugin = i;
    s.vero = std::move(lettore);
    s.caricato = true;
}

// Waits for the load given to its thread; loads here and now when none was given, or when the
// one given was dropped because the program is quitting.
void attendi()
{
    Lavori::attendi(Caricatore);
    {
        std::lock_guard l(stato().mutex);
        if (stato().caricato)
            return;
    }
    finisci(carica(QCoreApplication::applicationDirPath()), nullptr);
}

class LettoreDelProgramma : public ModuloColoriSuoni::Lettore {
public:
    void suona(const QString& percorso) override
    {
        if (auto* l = reale())
            l->suona(percorso);
        else if (QCoreApplication::instance())
            QApplication::beep();
    }
    void accoda(const QString& percorso) override
    {
        if (auto* l = reale())
            l->accoda(percorso);
    }
    void ferma() override
    {
        // Nothing to silence where no player was made.
        if (auto* l = reale(false))
            l->ferma();
    }

private:
    static ModuloColoriSuoni::Lettore* reale(bool crea = true)
    {
        if (crea)
            attendi();
        Stato& s = stato();
        std::lock_guard l(s.mutex);
        if (!s.vero && s.plugin && crea)
            s.vero.reset(s.plugin->nuovoLettore());
        return s.vero.get();
    }
};

// Loads the plugin on its thread, once.
void avvia()
{
    Stato& s = stato();
    {
        std::lock_guard l(s.mutex);
        if (s.avviato || s.caricato)
            return;
        s.avviato = true;
    }
    Lavori::esegui(Caricatore, [programma = QCoreApplication::applicationDirPath()] {
        const Interfaccia* i = carica(programma);
        finisci(i, i ? std::unique_ptr<ModuloColoriSuoni::Lettore>(i->nuovoLettore()) : nullptr);
    });
}

}  // namespace

void caricaDopoIlPrimoDisegno()
{
    PrimoDisegno::dopo(avvia);
}

const Interfaccia* interfaccia()
{
    attendi();
    std::lock_guard l(stato().mutex);
    return stato().plugin;
}

ModuloColoriSuoni::Lettore& lettoreDelProgramma()
{
    static LettoreDelProgramma lettore;
    return lettore;
}

void chiudi()
{
    std::unique_ptr<ModuloColoriSuoni::Lettore> lettore;
    {
        std::lock_guard l(stato().mutex);
        lettore = std::move(stato().vero);
    }
}

std::unique_ptr<ModuloColoriSuoni::Lettore> nuovoLettore()
{
    const Interfaccia* i = interfaccia();
    return std::unique_ptr<ModuloColoriSuoni::Lettore>(i ? i->nuovoLettore() : nullptr);
}

QByteArray decodifica(const QString& percorso, QString* problema)
{
    if (const Interfaccia* i = interfaccia())
        return i->decodifica(percorso, problema);
    if (problema)
        *problema = QStringLiteral("the sound player could not be loaded");
    return {};
}

}  // namespace PluginSuono
