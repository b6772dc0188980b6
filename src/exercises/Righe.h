#pragma once
// The rules of "A destra di......" 1 and 2, with no screen: one animal in a white field cut by one
// green line, or by a yellow line and a green one; the child places it against each line, one
// pair of answers a line ("DESTRA" / "SINISTRA"), in either order. Each right answer closes its
// pair and is written out under the field; the exercise is done when every pair is.
#include <QString>
#include <QStringList>
#include <span>

namespace Casuale {
class Sorgente;
}

class Righe {
public:
    // One answer: the animals it is right for, the pair (line) it belongs to, and the line that
    // restates it under the field (and is spoken).
    struct Risposta {
        int da, a;
        int coppia;
        const char* riga;
    };

    // "A destra di......  1": 30 animals, 1 to 15 right of the green line; answers "DESTRA",
    // "SINISTRA". "A destra di...... 2": 45 animals, 1 to 15 right of the green line, 16 to 30
    // between the lines, 31 to 45 left of the yellow one; answers right and left of the yellow
    // line, then of the green one.
    static Righe unaRiga();
    static Righe dueRighe();

    // Draws the animal, 1 to the number of animals (element 0 is never shown); every pair open.
    void PreparaEsercizio(Casuale::Sorgente& caso);

    // The answer `risposta` (its place in risposte()): right when the animal stands on its side.
    bool giusta(int risposta) const;
    // A right answer closes its pair and is written out under the field.
    void chiudi(int risposta);
    bool aperta(int coppia) const { return !(chiuse & (1 << coppia)); }
    bool finito() const;  // every pair answered right

    std::span<const Risposta> risposte() const { return elenco; }
    int numeroAnimali() const { return animali; }
    int numeroRighe() const { return coppie; }
    // What stands under the field: nothing while waiting; the answer on one line; on two lines
    // each pair's line, in the order answered, each ending a line.
    QString scritto() const { return testo; }

    // What the voice says when the exercise appears (there is no question on screen), what names
    // the buttons, and what follows a right answer: the line just written.
    QStringList domanda() const;
    QString bottoni() const;
    QStringList dopoGiusta(int risposta) const { return {QString::fromLatin1(elenco[size_t(risposta)].riga)}; }

    int Posizione = 1;  // the animal on show

private:
    Righe(int animali, int coppie, std::span<const Risposta> elenco) : animali(animali), coppie(coppie), elenco(elenco) {}

    int animali, coppie;
    std::span<const Risposta> elenco;
    int chiuse = 0;  // one bit a pair
    QString testo;
};
