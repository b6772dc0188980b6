// Makes suoni/si1.wav to si4.wav (four cheerful right-answer chimes) and suoni/no.wav (a soft
// "uh-oh" for a wrong answer) into the folder given. Everything is synthesised here.
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int Campioni = 44100;  // per second
constexpr double Picco = 0.70794578;  // -3 dBFS: loud enough, with room so nothing clips
constexpr double Coda = 0.3;  // seconds of silence after each sound
constexpr double DuePi = 2 * M_PI;

using Suono = std::vector<double>;

double nota(int semitoniDaLa4) { return 440.0 * std::pow(2.0, semitoniDaLa4 / 12.0); }

// Named notes, counted in semitones from A4.
constexpr int Do4 = -9, Mi4 = -5, Sol4 = -2;
constexpr int Do5 = 3, Re5 = 5, Mi5 = 7, Sol5 = 10, La5 = 12, Si5 = 14;
constexpr int Do6 = 15, Mi6 = 19, Sol6 = 22;

// A smooth start over `durata` seconds, so no note begins with a click.
double attacco(double t, double durata)
{
    return t >= durata ? 1.0 : 0.5 - 0.5 * std::cos(M_PI * t / durata);
}

struct Parziale {
    double rapporto;  // of the fundamental
    double volume;
    double smorzamento;  // times the note's own decay
};

// A struck note: a few partials that ring and die away, the higher ones sooner.
void percuoti(Suono& s, double inizio, double hz, double volume, double decadimento,
              const std::vector<Parziale>& parziali)
{
    const size_t da = size_t(inizio * Campioni);
    for (size_t i = da; i < s.size(); ++i) {
        const double t = double(i - da) / Campioni;
        double v = 0;
        for (const Parziale& p : parziali)
            v += p.volume * std::exp(-decadimento * p.smorzamento * t) * std::sin(DuePi * hz * p.rapporto * t);
        s[i] += volume * attacco(t, 0.004) * v;
    }
}

const std::vector<Parziale> Campanella = {{1, 1.0, 1.0}, {2, 0.30, 1.8}, {3, 0.10, 2.6}};
// Wooden and round: a strong fundamental with a quick knock four times higher.
const std::vector<Parziale> Legnetto = {{1, 1.0, 1.0}, {4, 0.20, 4.0}};
// Glassy sparkle: slightly stretched partials like a little glockenspiel.
const std::vector<Parziale> Vetro = {{1, 1.0, 1.0}, {2.76, 0.18, 2.2}, {5.40, 0.05, 3.5}};

Suono vuoto(double secondi) { return Suono(size_t(secondi * Campioni), 0.0); }

// si1: a major arpeggio climbing an octave.
Suono arpeggio()
{
    Suono s = vuoto(0.70);
    const int note[] = {Do5, Mi5, Sol5, Do6};
    for (int i = 0; i < 4; ++i)
        percuoti(s, i * 0.08, nota(note[i]), i == 3 ? 1.0 : 0.8, 6.0, Campanella);
    return s;
}

// si2: "ding-DING!", a fourth upwards, the second note bright with its octave.
Suono dinDin()
{
    Suono s = vuoto(0.58);
    percuoti(s, 0.0, nota(Sol5), 0.75, 7.0, Vetro);
    percuoti(s, 0.12, nota(Do6), 1.0, 5.0, Vetro);
    percuoti(s, 0.12, nota(Do6 + 12), 0.25, 7.0, Vetro);
    return s;
}

// si3: a quick run up the scale that lands on a ringing top note.
Suono scaletta()
{
    Suono s = vuoto(0.80);
    const int note[] = {Do5, Re5, Mi5, Sol5, La5, Do6, Mi6};
    for (int i = 0; i < 7; ++i)
        percuoti(s, i * 0.055, nota(note[i]), i == 6 ? 1.0 : 0.6, i == 6 ? 4.5 : 9.0, Campanella);
    return s;
}

// si4: "ta-DAA", a soft wooden chord and then the home chord higher up, which settles it.
Suono taDa()
{
    Suono s = vuoto(0.62);
    for (int n : {Sol5, Si5})
        percuoti(s, 0.0, nota(n), 0.55, 9.0, Legnetto);
    for (int n : {Do6, Mi6, Sol6})
        percuoti(s, 0.15, nota(n), n == Sol6 ? 0.9 : 0.55, 5.5, Legnetto);
    return s;
}

// A held, rounded tone like a hummed "oo", with a gentle rise and fall; its pitch can slide
// from `hzDa` to `hzA`.
void canta(Suono& s, double inizio, double durata, double hzDa, double hzA, double volume)
{
    const size_t da = size_t(inizio * Campioni);
    const size_t n = size_t(durata * Campioni);
    double fase = 0;
    for (size_t i = 0; i < n && da + i < s.size(); ++i) {
        const double t = double(i) / Campioni;
        const double x = double(i) / n;
        const double hz = hzDa + (hzA - hzDa) * x * x;
        fase += DuePi * hz / Campioni;
        const double inviluppo = attacco(t, 0.03) * attacco(durata - t, 0.09);
        const double v = std::sin(fase) + 0.25 * std::sin(2 * fase) + 0.06 * std::sin(3 * fase);
        s[da + i] += volume * inviluppo * v;
    }
}

// no: "uh-oh", two soft low notes falling a minor third; kind, not alarming.
Suono uhOh()
{
    Suono s = vuoto(0.60);
    canta(s, 0.0, 0.20, nota(Sol4), nota(Sol4), 1.0);
    canta(s, 0.24, 0.36, nota(Mi4), nota(Do4 + 2), 0.9);
    return s;
}

// Brings the peak to -3 dBFS, eases out the last moments, adds the silent tail, writes
// 16-bit mono PCM.
bool scrivi(Suono s, const std::string& percorso)
{
    const size_t fine = std::min(s.size(), size_t(0.04 * Campioni));
    for (size_t i = 0; i < fine; ++i)
        s[s.size() - 1 - i] *= attacco(double(i) / Campioni, 0.04);
    double massimo = 0;
    for (double v : s)
        massimo = std::max(massimo, std::abs(v));
    std::vector<short> pcm;
    pcm.reserve(s.size() + size_t(Coda * Campioni));
    for (double v : s)
        pcm.push_back(short(std::lround(v / massimo * Picco * 32767)));
    pcm.resize(s.size() + size_t(Coda * Campioni), 0);

    SF_INFO info{};
    info.samplerate = Campioni;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(percorso.c_str(), SFM_WRITE, &info);
    if (!f) {
        std::fprintf(stderr, "genera_suoni: %s: %s\n", percorso.c_str(), sf_strerror(nullptr));
        return false;
    }
    const bool ok = sf_write_short(f, pcm.data(), sf_count_t(pcm.size())) == sf_count_t(pcm.size());
    if (!ok)
        std::fprintf(stderr, "genera_suoni: %s: %s\n", percorso.c_str(), sf_strerror(f));
    return sf_close(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: genera_suoni <cartella>\n");
        return 2;
    }
    const std::string cartella = argv[1];
    std::error_code errore;
    std::filesystem::create_directories(cartella, errore);
    if (errore) {
        std::fprintf(stderr, "genera_suoni: %s: %s\n", cartella.c_str(), errore.message().c_str());
        return 1;
    }
    const bool ok = scrivi(arpeggio(), cartella + "/si1.wav") && scrivi(dinDin(), cartella + "/si2.wav")
                    && scrivi(scaletta(), cartella + "/si3.wav") && scrivi(taDa(), cartella + "/si4.wav")
                    && scrivi(uhOh(), cartella + "/no.wav");
    return ok ? 0 : 1;
}
