#include "services/PluginSuono.h"

#include "ui/Controlli.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace PluginSuono {

namespace {

std::mutex mutex;
std::condition_variable caricato;
enum class Stato { DaCaricare, InCorso, Caricato } stato = Stato::DaCaricare;
const Interfaccia* plugin = nullptr;
// The program's player: made on the loading thread, so that its stream is open before the
// first answer, or else at the first sound. It goes with the application; no static destructor
// touches it, so a program that Qt ends at once (the display gone) does not stop it half-way.
std::unique_ptr<ModuloColoriSuoni::Lettore>& vero = *new std::unique_ptr<ModuloColoriSuoni::Lettore>;

// Beside the program when installed; one folder up for the tests and benchmarks of a build.
const Interfaccia* carica(const QString& programma)
{
    QString problema = QStringLiteral("not found");
    QString percorso = programma + QStringLiteral("/lib/libbussolino_suono.so");
    for (const QString& cartella : {programma, programma + QStringLiteral("/..")}) {
        const QString p = cartella + QStringLiteral("/lib/libbussolino_suono.so");
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
    {
        std::lock_guard l(mutex);
        plugin = i;
        vero = std::move(lettore);
        stato = Stato::Caricato;
    }
    caricato.notify_all();
}

// Waits for a load in progress, or loads now on this thread when none was started.
void attendi()
{
    std::unique_lock l(mutex);
    if (stato == Stato::DaCaricare) {
        stato = Stato::InCorso;
        l.unlock();
        finisci(carica(QCoreApplication::applicationDirPath()), nullptr);
        return;
    }
    caricato.wait(l, [] { return stato == Stato::Caricato; });
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
        if (auto* l = reale())
            l->ferma();
    }

private:
    static ModuloColoriSuoni::Lettore* reale()
    {
        attendi();
        static bool fatto = false;
        if (fatto)
            return vero.get();
        fatto = true;
        std::lock_guard l(mutex);
        if (!vero && plugin)
            vero.reset(plugin->nuovoLettore());
        // Let go of the stream while the application still exists, not after it.
        if (QCoreApplication::instance())
            QObject::connect(QCoreApplication::instance(), &QObject::destroyed, [] {
                std::lock_guard l(mutex);
                vero.reset();
            });
        return vero.get();
    }
};

// Loads the plugin on a thread of its own, once.
void avvia()
{
    {
        std::lock_guard l(mutex);
        if (stato != Stato::DaCaricare)
            return;
        stato = Stato::InCorso;
    }
    std::thread([programma = QCoreApplication::applicationDirPath()] {
        const Interfaccia* i = carica(programma);
        finisci(i, i ? std::unique_ptr<ModuloColoriSuoni::Lettore>(i->nuovoLettore()) : nullptr);
    }).detach();
}

}  // namespace

void caricaDopoIlPrimoDisegno()
{
    Controlli::dopoIlPrimoDisegno(avvia);
}

const Interfaccia* interfaccia()
{
    attendi();
    return plugin;
}

ModuloColoriSuoni::Lettore& lettoreDelProgramma()
{
    static LettoreDelProgramma lettore;
    return lettore;
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
