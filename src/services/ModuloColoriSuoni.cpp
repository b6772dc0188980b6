#include "services/ModuloColoriSuoni.h"

#include "services/Casuale.h"
#include "services/Percorsi.h"
#include "services/PluginSuono.h"

namespace ModuloColoriSuoni {

namespace {
Lettore* scelto = nullptr;
}

void impostaLettore(Lettore* lettore) { scelto = lettore; }

Lettore& lettoreAttuale()
{
    if (scelto)
        return *scelto;
    return PluginSuono::lettoreDelProgramma();
}

void SuonoGiusto()
{
    const int k = Casuale::Int(4) + 1;
    lettoreAttuale().suona(Percorsi::suono(QStringLiteral("si%1.wav").arg(k)));
}

void SuonoSbagliato()
{
    lettoreAttuale().suona(Percorsi::suono(QStringLiteral("no.wav")));
}

uint32_t ColoreCasuale()
{
    return Colori[Casuale::Int(18) + 1];
}

}  // namespace ModuloColoriSuoni
