#include "screens/poses/detective/FormDetective.h"

#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Modulo1.h"

#include <algorithm>

namespace {
constexpr const char* BraccioDestroDi = "HA IL BRACCIO DESTRO ";
constexpr const char* BraccioSinistroDi = "HA IL BRACCIO SINISTRO ";
// The legs' sentence by GambeUnite: 0 apart, 1 together.
constexpr const char* Gambe[2] = {"HA LE GAMBE DIVARICATE.", "HA LE GAMBE UNITE."};

// Two rows of the pose table can hold the same pose (4 and 5, 32 and 33): both fit the description.
bool stessaPosa(int a, int b)
{
    using namespace Modulo1;
    return GambeUnite(a) == GambeUnite(b) && BraccioDestro(a) == BraccioDestro(b)
           && BraccioSinistro(a) == BraccioSinistro(b);
}
}  // namespace

FormDetective::FormDetective(Catalogo::Id id, Insieme insieme) : FormConFrasi(id), insieme(insieme) {}

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
        QString::fromLatin1(BraccioDestroDi) + Frasi[BraccioDestro(n)] + '.' + aCapo + aCapo
        + QString::fromLatin1(BraccioSinistroDi) + Frasi[BraccioSinistro(n)] + '.' + aCapo + aCapo
        + QString::fromLatin1(Gambe[GambeUnite(n)]) + aCapo);
}

QStringList FormDetective::frasiPossibili() const
{
    QStringList frasi{Gambe[0], Gambe[1]};
    for (const char* braccio : {BraccioDestroDi, BraccioSinistroDi})
        for (int codice = 1; codice <= 4; ++codice)
            frasi << QString::fromLatin1(braccio) + QString::fromLatin1(Frammenti[codice]) + '.';
    return frasi;
}

// The description's three sentences, one after the other.
QStringList FormDetective::fraseAttuale() const
{
    return etichetta("Label5")->testo().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

void FormDetective::Image1_Click(int Index)
{
    // A twin of the described pose fits the description just as well, so it is right too.
    if (Index == FiguraGiusta || stessaPosa(NumeriFigure[Index], NumeriFigure[FiguraGiusta]))
        passiGiusti([this] { abilitaRisposte(false); });
    else
        passiSbagliati();
}
