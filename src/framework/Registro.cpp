#include "framework/Registro.h"

#include "framework/Schermata.h"
#include "services/Messaggi.h"

#include <QCoreApplication>
#include <array>
#include <memory>

namespace Registro {

namespace {
// The screens are destroyed by distruggi() while the application exists, never by a static
// destructor: when the display goes away Qt ends the program at once, and windows destroyed
// after that would crash it.
std::array<std::unique_ptr<Schermata>, Catalogo::Numero>& tutte()
{
    static auto* t = new std::array<std::unique_ptr<Schermata>, Catalogo::Numero>;
    return *t;
}
bool finito = false;
}  // namespace

Schermata& oggetto(Catalogo::Id id)
{
    auto& s = tutte()[size_t(id)];
    if (!s)
        s = Catalogo::riga(id).crea(id);
    return *s;
}

void mostra(Catalogo::Id id)
{
    oggetto(id).Show();
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
    finito = true;
    QCoreApplication::quit();
}

bool terminato()
{
    return finito;
}

int aperte()
{
    int n = 0;
    for (auto& s : tutte())
        n += s && s->caricata();
    return n;
}

Schermata* aperta()
{
    for (auto& s : tutte())
        if (s && s->caricata())
            return s.get();
    return nullptr;
}

void distruggi()
{
    for (auto& s : tutte())
        s.reset();
    finito = false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace Registro
