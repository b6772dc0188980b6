#include "framework/Registro.h"

#include "framework/Schermata.h"
#include "services/Messaggi.h"

#include <QCoreApplication>
#include <stdexcept>
#include <vector>

namespace Registro {

namespace {
Fabbrica fabbrica;
// The screens are destroyed by distruggi() while the application exists, never by a static
// destructor: when the display goes away Qt ends the program at once, and windows destroyed
// after that would crash it.
std::vector<std::unique_ptr<Schermata>>& tutte()
{
    static auto* t = new std::vector<std::unique_ptr<Schermata>>;
    return *t;
}
}  // namespace

void imposta(const Fabbrica& f)
{
    fabbrica = f;
    tutte().resize(size_t(f.numero));
}

int menu()
{
    return fabbrica.menu;
}

Schermata& oggetto(int id)
{
    if (id < 0 || id >= int(tutte().size()) || !fabbrica.crea)
        throw std::logic_error("no screen " + std::to_string(id) + " in the catalogue");
    auto& s = tutte()[size_t(id)];
    if (!s)
        s = fabbrica.crea(id);
    return *s;
}

void mostra(int id)
{
    oggetto(id).Show();
}

void passa(Schermata& da, int destinazione)
{
    mostra(destinazione);
    da.Unload();
}

void ConfermaUscita(QWidget* padre)
{
    if (Messaggi::chiedi(padre, QString::fromUtf8("Vuoi uscire dal programma?")))
        terminaProgramma();
}

void terminaProgramma()
{
    for (auto& s : tutte())
        if (s)
            s->Unload();
    QCoreApplication::quit();
}

void distruggi()
{
    for (auto& s : tutte())
        s.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace Registro
