#pragma once
// The one random source of the program. Every draw goes through rnd(), so a test can
// script the values and force any exercise exactly.
#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

namespace Casuale {

// A source of r in [0, 1).
class Sorgente {
public:
    virtual ~Sorgente() = default;
    virtual double r() = 0;
};

// The production source: a Mersenne twister; the values are built from 53 random bits,
// so 1.0 can never come out.
class Generatore : public Sorgente {
public:
    explicit Generatore(uint64_t seme) : motore(seme) {}
    // A stream of its own for each name under one number: the same number and name always give
    // the same values, whatever else is drawn from the same number.
    Generatore(uint64_t seme, std::string_view nome);
    double r() override { return double(motore() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 motore;
};

// A scripted source for tests: gives the listed values in order, then goes on with a
// fixed-seed generator; it counts every draw.
class Copione : public Sorgente {
public:
    explicit Copione(std::vector<double> valori = {}) : valori(std::move(valori)) {}
    double r() override;
    void aggiungi(std::initializer_list<double> altri) { valori.insert(valori.end(), altri); }
    int consumati() const { return quanti; }
    bool esaurito() const { return quanti > int(valori.size()); }
    int rimasti() const { return std::max(0, int(valori.size()) - quanti); }

private:
    std::vector<double> valori;
    int quanti = 0;
    Generatore dopo{1};
};

void seminaDallOrologio();
// Installs `s` as the program's source (nullptr: back to the production generator).
void impostaSorgente(Sorgente* s);
// The program's source: the one installed, else the production generator.
Sorgente& sorgente();

double rnd();
// Int(r * k) with a fresh r of `s`: 0 to k - 1 with equal chance.
int Int(Sorgente& s, int k);
// The same from the program's source.
int Int(int k);

}  // namespace Casuale
