#include "exercises/VeroFalso.h"

#include "exercises/Frasi.h"
#include "services/Casuale.h"
#include "services/Modulo1.h"
#include "services/Voce.h"

namespace {
// The statement's beginning by `Lato`: 0 the left arm, 1 the right one.
constexpr const char* Inizio[2] = {"HO IL BRACCIO SINISTRO ", "HO IL BRACCIO DESTRO "};
}  // namespace

void VeroFalso::GeneraEsercizio(Casuale::Sorgente& caso)
{
    using namespace Modulo1;
    do
        NumeroFigura = Casuale::Int(caso, quante) + 1 + aggiunta;
    while (BraccioDestro(NumeroFigura) == BraccioSinistro(NumeroFigura));
    Lato = Casuale::Int(caso, 2);
    FraseFalsa = Casuale::Int(caso, 2);
}

QString VeroFalso::frase() const
{
    using namespace Modulo1;
    // A false statement names one arm with the position of the other one.
    const bool braccioDestro = (Lato == 1) == (FraseFalsa == 0);
    const int codice = braccioDestro ? BraccioDestro(NumeroFigura) : BraccioSinistro(NumeroFigura);
    return QString::fromLatin1(Inizio[Lato]) + QString::fromLatin1(Frasi[size_t(codice)]);
}

QStringList VeroFalso::domanda() const
{
    return {frase(), Voce::VeroOFalso};
}

QString VeroFalso::bottoni() const
{
    return Voce::BottoniVeroFalso;
}
