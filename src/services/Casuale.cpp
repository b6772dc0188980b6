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
