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
    const uint32_t colori[19] = {
        0,                                      // slot 0 is never drawn
        0xC0C0FF, 0x8080FF, 0x0000FF, 0x80C0FF, 0x0080FF, 0xC0FFFF,
        0x00FFFF, 0x0040C0, 0x80FF80, 0x00C000, 0xFFFFC0, 0xFFFF00,
        0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF,
    };
    const int i = Casuale::Int(18) + 1;
    return colori[i];
}

}  // namespace ModuloColoriSuoni
