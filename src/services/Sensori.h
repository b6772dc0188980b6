#pragma once
// Play with one or two switches, as children who cannot use a mouse or a keyboard play: the
// cursor goes round what can be pressed (stepped by Space with two switches, by itself every few
// seconds with one) and Enter or Space presses it. What the player is saying is followed here,
// from the files' lengths, so that the cursor never talks over a question; the clock is the
// program's own, so that tests can drive it.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace Sensori {

enum class Modo { Nessuno, Due, Uno };

// From the command line, once; nothing is saved.
constexpr double RitmoMinimo = 0.5, RitmoMassimo = 10, RitmoDiSolito = 2;
void impostaModo(Modo modo, double ritmoSecondi = RitmoDiSolito);
Modo modo();
inline bool attivo() { return modo() != Modo::Nessuno; }
qint64 ritmo();  // milliseconds between two steps of one switch

// A press this soon after a step of its own presses what the cursor has just left: the child
// decided while looking at it.
constexpr qint64 Grazia = 300;
// How long a screen that has just opened takes to start its sentence.
constexpr qint64 AttesaAnnuncio = 400;

class Sveglia;

// The clock the steps follow: the real one unless a test installs its own.
class Orologio {
public:
    virtual ~Orologio() = default;
    virtual qint64 adesso() const = 0;  // milliseconds
    virtual void punta(Sveglia& s, qint64 quando) = 0;
    virtual void spegni(Sveglia& s) = 0;
};
void impostaOrologio(Orologio* orologio);  // nullptr: the real one
Orologio& orologio();

// One wake-up at a time on the clock: set again, it forgets the earlier time.
class Sveglia {
public:
    explicit Sveglia(std::function<void()> fatto);
    ~Sveglia();
    void punta(qint64 tra);
    void spegni();
    void suona() { fatto(); }
    QTimer reale;  // the real clock's timer

private:
    std::function<void()> fatto;
};

// What is being played, told by whatever hands a file to the player: a stop's own words, or
// anything else (a sentence, an answer's sound). `sostituisce`: it cuts what was playing.
enum class Suono { Frase, Parole };
void suonato(const QString& percorso, Suono suono, bool sostituisce);
void zitto();
// Milliseconds until everything but a stop's words has been heard; 0 when that is over.
qint64 frasiPerAncora();
// The length of a WAV file in milliseconds, read from its header; 0 when it cannot be told.
qint64 durata(const QString& percorso);

}  // namespace Sensori
