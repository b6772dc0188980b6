#pragma once
// The rules of "Il detective" 1 to 3, with no screen: six different figures, all seen from one
// side, and a description of one of them (its right arm, its left arm, its legs); the child
// finds the figure that fits. The three differ only in that side: from behind, facing the
// child, or either by a draw.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace Casuale {
class Sorgente;
}

class Detective {
public:
    enum class Insieme { DaDietro, DiFronte, UnoDeiDue };

    explicit Detective(Insieme insieme) : insieme(insieme) {}

    // Draws six different figures (each attempt afresh until it differs from those before it),
    // on "Il detective 3" the side they are all seen from, then the figure described.
    void GeneraEsercizio(Casuale::Sorgente& caso);

    // A click on picture Index (0 to 5). Two rows of the pose table hold the same pose (4 and 5,
    // 32 and 33): when both show, either fits the description and is right.
    bool giusta(int Index) const;
    QList<int> giuste() const;  // every picture that fits, in index order

    // The description as the screen writes it: three sentences, an empty line between them.
    QString descrizione() const;
    // The same three sentences, one after the other, as the voice says them.
    QStringList frasi() const;

    std::array<int, 6> NumeriFigure{};  // the pose of each picture, 1 to 56
    int FiguraGiusta = 0;               // the picture the description was made from

private:
    Insieme insieme;
};
