#pragma once
// The rules of "Vero e falso" 1 to 3, with no screen: a figure in one pose says where one of its
// own arms is, truly or falsely; the child says "VERO" or "FALSO". The three differ only in the
// poses drawn from: from behind, facing the child, or either.
#include <QString>
#include <QStringList>

namespace Casuale {
class Sorgente;
}

class VeroFalso {
public:
    static constexpr int Vero = 0, Falso = 1;  // the two answers

    // One attempt at the pose draws Int(r * quante) + 1, then adds `aggiunta`.
    VeroFalso(int quante, int aggiunta) : quante(quante), aggiunta(aggiunta) {}

    // Draws the pose until its two arms differ (a pose with both alike leaves nothing false to
    // say), then the arm named (Lato), then whether the statement is false (FraseFalsa).
    void GeneraEsercizio(Casuale::Sorgente& caso);
    bool giusta(int risposta) const { return risposta == (FraseFalsa ? Falso : Vero); }

    // The statement: "HO IL BRACCIO DESTRO " or "... SINISTRO ", then an arm's position; a false
    // one gives the named arm the position of the other.
    QString frase() const;
    // Said when it appears: the statement, then the question a child who cannot read needs.
    QStringList domanda() const;
    QString bottoni() const;

    int NumeroFigura = 6;
    int Lato = 0;        // 1: the right arm is named, 0: the left
    int FraseFalsa = 0;  // 1: the statement is false

private:
    int quante, aggiunta;
};
