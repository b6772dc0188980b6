#include "services/ModuloColoriSuoni.h"

#include "services/Casuale.h"
#include "services/Percorsi.h"
#include "services/PluginSuono.h"
#include "services/Sensori.h"

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

namespace {
// An answer's sound cuts whatever was playing; switch play waits for it to be heard.
void suonaRisposta(const QString& percorso)
{
    lettoreAttuale().suona(percorso);
    Sensori::suonato(percorso, Sensori::Suono::Frase, true);
}
}  // namespace

void SuonoGiusto()
{
    const int k = Casuale::Int(4) + 1;
    suonaRisposta(Percorsi::suono(QStringLiteral("si%1.wav").arg(k)));
}

void SuonoSbagliato()
{
    suonaRisposta(Percorsi::suono(QStringLiteral("no.wav")));
}

uint32_t ColoreCasuale()
{
    return Colori[Casuale::Int(18) + 1];
}

}  // namespace ModuloColoriSuoni
