#include "services/Casuale.h"

#include <chrono>
#include <cmath>

namespace Casuale {

namespace {
Generatore& produzione()
{
    static Generatore g(uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
    return g;
}
Sorgente* attuale = nullptr;
}  // namespace

Generatore::Generatore(uint64_t seme, std::string_view nome)
{
    std::vector<uint32_t> parole{uint32_t(seme), uint32_t(seme >> 32)};
    for (char c : nome)
        parole.push_back(uint8_t(c));
    // seed_seq's mixing is the standard's own: the same words seed the same stream everywhere.
    std::seed_seq semi(parole.begin(), parole.end());
    motore.seed(semi);
}

double Copione::r()
{
    const int i = quanti++;
    return i < int(valori.size()) ? valori[i] : dopo.r();
}

void seminaDallOrologio()
{
    produzione() = Generatore(uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
}

void impostaSorgente(Sorgente* s) { attuale = s; }

Sorgente& sorgente() { return attuale ? *attuale : produzione(); }

double rnd() { return sorgente().r(); }

int Int(Sorgente& s, int k) { return int(std::floor(s.r() * k)); }

int Int(int k) { return Int(sorgente(), k); }

}  // namespace Casuale
