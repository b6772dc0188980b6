#include "exercises/Detective.h"

#include "exercises/Frasi.h"
#include "services/Casuale.h"
#include "services/Modulo1.h"

#include <algorithm>

namespace {
constexpr const char* BraccioDestroDi = "HA IL BRACCIO DESTRO ";
constexpr const char* BraccioSinistroDi = "HA IL BRACCIO SINISTRO ";
// The legs' sentence by GambeUnite: 0 apart, 1 together.
constexpr const char* Gambe[2] = {"HA LE GAMBE DIVARICATE.", "HA LE GAMBE UNITE."};

bool stessaPosa(int a, int b)
{
    using namespace Modulo1;
    return GambeUnite(a) == GambeUnite(b) && BraccioDestro(a) == BraccioDestro(b)
           && BraccioSinistro(a) == BraccioSinistro(b);
}
}  // namespace

void Detective::GeneraEsercizio(Casuale::Sorgente& caso)
{
    NumeriFigure[0] = Casuale::Int(caso, 28) + 1;
    for (size_t k = 1; k < NumeriFigure.size(); ++k) {
        do
            NumeriFigure[k] = Casuale::Int(caso, 28) + 1;
        while (std::find(NumeriFigure.begin(), NumeriFigure.begin() + k, NumeriFigure[k]) != NumeriFigure.begin() + k);
    }
    // All six from behind or all six facing the child, never mixed.
    bool daDietro = insieme == Insieme::DaDietro;
    if (insieme == Insieme::UnoDeiDue)
        daDietro = Casuale::Int(caso, 2) == 1;
    if (daDietro)
        for (int& n : NumeriFigure)
            n += 28;
    FiguraGiusta = Casuale::Int(caso, 6);
}

bool Detective::giusta(int Index) const
{
    return Index == FiguraGiusta || stessaPosa(NumeriFigure[size_t(Index)], NumeriFigure[size_t(FiguraGiusta)]);
}

QList<int> Detective::giuste() const
{
    QList<int> g;
    for (int i = 0; i < int(NumeriFigure.size()); ++i)
        if (giusta(i))
            g << i;
    return g;
}

QStringList Detective::frasi() const
{
    using namespace Modulo1;
    const int n = NumeriFigure[size_t(FiguraGiusta)];
    return {QString::fromLatin1(BraccioDestroDi) + QString::fromLatin1(Frasi[size_t(BraccioDestro(n))]) + '.',
            QString::fromLatin1(BraccioSinistroDi) + QString::fromLatin1(Frasi[size_t(BraccioSinistro(n))]) + '.',
            QString::fromLatin1(Gambe[GambeUnite(n)])};
}

QString Detective::descrizione() const
{
    const QString aCapo = QStringLiteral("\r\n");
    return frasi().join(aCapo + aCapo) + aCapo;
}
