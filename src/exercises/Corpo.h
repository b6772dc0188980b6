#pragma once
// The rules of the three exercises on the figure's own sides, with no screen: a figure facing the
// child or seen from behind, and the side to find. "Su di me ": the half of the figure it names;
// "Alla mia...... 1": the square beside it where its kitten is; "Alla mia...... 2": which of its
// own sides an object stands on. A figure facing the child has its own right on the child's left.
#include <QString>
#include <QStringList>

namespace Casuale {
class Sorgente;
}

class Corpo {
public:
    enum class Tipo { SuDiMe, Micetto, Oggetto };
    // The places on the screen a click can answer: the child's left and right.
    static constexpr int Sinistra = 0, Destra = 1;
    // "Alla mia...... 2"'s buttons, as its RispostaGiusta counts them.
    static constexpr int RispostaDestra = 0, RispostaSinistra = 1;
    // Its objects: 0 to 4 stand left of the figure, 5 to 9 at the same heights right of it.
    static constexpr int NumeroOggetti = 10;

    explicit Corpo(Tipo tipo) : tipo(tipo) {}

    // Draws NumeroFigura (1 to 28), then whether the figure faces the child, then the side the
    // sentence names or, for "Alla mia...... 2", the object's place: one fresh draw each.
    void GeneraEsercizio(Casuale::Sorgente& caso);

    // The picture shown: NumeroFigura facing the child, NumeroFigura + 28 from behind.
    int figura() const { return DiFronte ? NumeroFigura : NumeroFigura + 28; }
    // An answer: the half or the square clicked (Sinistra, Destra), or for "Alla mia...... 2" the
    // button (RispostaDestra, RispostaSinistra).
    bool giusta(int risposta) const;

    // The sentence the screen writes ("Alla mia...... 2" writes only "E' ALLA MIA").
    QString frase() const;
    // The same sentence printed on paper: nothing to click, and the verb with its accent.
    QString fraseStampata() const;
    // What the voice says when the exercise appears, after a right answer, and, where the
    // answers are buttons, to name them.
    QStringList domanda() const;
    QStringList dopoGiusta() const;
    QString bottoni() const;

    int NumeroFigura = 1;
    bool DiFronte = true;
    bool destra = false;     // "Su di me ", "Alla mia...... 1": the figure's right side is named
    int LatoGiusto = 0;      // ... and the half or square whose click is right
    int Posizione = 0;       // "Alla mia...... 2": the object shown, 0 to 9
    int RispostaGiusta = 0;  // ... and the button that is right

private:
    QString scritta(bool stampata) const;

    Tipo tipo;
};
