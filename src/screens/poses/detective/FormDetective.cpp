#include "screens/poses/detective/FormDetective.h"

#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Modulo1.h"

#include <algorithm>

namespace {
// Two rows of the pose table can hold the same pose (4 and 5, 32 and 33): both fit the description.
bool stessaPosa(int a, int b)
{
    using namespace Modulo1;
    return GambeUnite(a) == GambeUnite(b) && BraccioDestro(a) == BraccioDestro(b)
           && BraccioSinistro(a) == BraccioSinistro(b);
}
}  // namespace

FormDetective::FormDetective(Schermate::Id id, Insieme insieme) : FormConFrasi(id), insieme(insieme) {}

void FormDetective::GeneraEsercizio()
{
    using namespace Modulo1;
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());

    // Six different figures: every attempt draws afresh until it differs from those before it.
    NumeriFigure[0] = int16_t(Casuale::Int(28) + 1);
    for (int k = 1; k < 6; ++k) {
        do
            NumeriFigure[k] = int16_t(Casuale::Int(28) + 1);
        while (std::find(NumeriFigure, NumeriFigure + k, NumeriFigure[k]) != NumeriFigure + k);
    }

    // All six from behind or all six facing the child, never mixed.
    bool daDietro = insieme == Insieme::DaDietro;
    if (insieme == Insieme::UnoDeiDue)
        daDietro = Casuale::Int(2) == 1;
    if (daDietro)
        for (int16_t& n : NumeriFigure)
            n += 28;

    for (int i = 0; i < 6; ++i)
        immagine("Image1", i)->impostaImmagine(Figure::carica(NumeriFigure[i]));

    FiguraGiusta = int16_t(Casuale::Int(6));
    const int n = NumeriFigure[FiguraGiusta];
    const QString aCapo = QStringLiteral("\r\n");
    etichetta("Label5")->impostaTesto(
        QStringLiteral("HA IL BRACCIO DESTRO ") + Frasi[BraccioDestro(n)] + '.' + aCapo + aCapo
        + QStringLiteral("HA IL BRACCIO SINISTRO ") + Frasi[BraccioSinistro(n)] + '.' + aCapo + aCapo
        + (GambeUnite(n) ? QStringLiteral("HA LE GAMBE UNITE.") : QStringLiteral("HA LE GAMBE DIVARICATE.")) + aCapo);
}

void FormDetective::Image1_Click(int Index)
{
    // A twin of the described pose fits the description just as well, so it is right too.
    if (Index == FiguraGiusta || stessaPosa(NumeriFigure[Index], NumeriFigure[FiguraGiusta]))
        passiGiusti([this] { abilitaRisposte(false); });
    else
        passiSbagliati();
}
