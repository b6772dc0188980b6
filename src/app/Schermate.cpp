#include "app/Schermate.h"

#include "app/FormAvvio.h"
#include "app/FormMenu.h"
#include "exercises/body/Form1.h"
#include "exercises/body/Form2.h"
#include "exercises/body/Form3.h"
#include "exercises/detective/FormDetective.h"
#include "exercises/lines/Form10.h"
#include "exercises/lines/FormDentroFuori1.h"
#include "exercises/truefalse/FormVeroFalso.h"

#include <QCoreApplication>
#include <array>
#include <memory>

namespace Schermate {

namespace {
std::array<std::unique_ptr<Schermata>, Numero>& Tutte()
{
    static std::array<std::unique_ptr<Schermata>, Numero> t;
    return t;
}
bool terminato = false;

std::unique_ptr<Schermata> Crea(Id id)
{
    switch (id) {
    case Id::FormAvvio: return std::make_unique<FormAvvio>();
    case Id::FormMenu: return std::make_unique<FormMenu>();
    case Id::Form1: return std::make_unique<Form1>();
    case Id::Form2: return std::make_unique<Form2>();
    case Id::Form3: return std::make_unique<Form3>();
    case Id::Form4: return std::make_unique<FormVeroFalso>(id, 28, 28);
    case Id::Form5: return std::make_unique<FormVeroFalso>(id, 28, 0);
    case Id::Form6: return std::make_unique<FormVeroFalso>(id, 56, 0);
    case Id::Form7: return std::make_unique<FormDetective>(id, FormDetective::Insieme::DaDietro);
    case Id::Form8: return std::make_unique<FormDetective>(id, FormDetective::Insieme::DiFronte);
    case Id::Form9: return std::make_unique<FormDetective>(id, FormDetective::Insieme::UnoDeiDue);
    case Id::Form10: return std::make_unique<Form10>();
    case Id::FormDentroFuori1: return std::make_unique<FormDentroFuori1>();
    }
    return nullptr;
}
}  // namespace

Schermata& Oggetto(Id id)
{
    auto& s = Tutte()[size_t(id)];
    if (!s)
        s = Crea(id);
    return *s;
}

void Mostra(Id id)
{
    Oggetto(id).Show();
}

void TerminaProgramma()
{
    for (auto& s : Tutte())
        if (s)
            s->Unload();
    terminato = true;
    QCoreApplication::quit();
}

bool Terminato()
{
    return terminato;
}

int Aperte()
{
    int n = 0;
    for (auto& s : Tutte())
        n += s && s->caricata();
    return n;
}

Schermata* Aperta()
{
    for (auto& s : Tutte())
        if (s && s->caricata())
            return s.get();
    return nullptr;
}

void Distruggi()
{
    for (auto& s : Tutte())
        s.reset();
    terminato = false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace Schermate
