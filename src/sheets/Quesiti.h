#pragma once
// The items of a worksheet: each exercise's rules, as its screen has them, drawn afresh for every
// item, and what each item's right answer is on paper.
#include <QList>
#include <QString>
#include <variant>

#include "Catalogo.h"
#include "exercises/Corpo.h"
#include "exercises/Detective.h"
#include "exercises/Righe.h"
#include "exercises/VeroFalso.h"

namespace Casuale {
class Sorgente;
}

namespace Quesiti {

// The paper forms, one a family of screens (the three on the figure's own sides differ on paper).
enum class Forma { SuDiMe, Micetto, Oggetto, VeroFalso, Detective, UnaRiga, DueRighe };

using Regole = std::variant<Corpo, VeroFalso, Detective, Righe>;

struct Quesito {
    Catalogo::Id id;
    int numero = 0;  // 1, 2, ... within its exercise
    Regole regole;
};

Forma forma(Catalogo::Id id);
// The exercise's rules with its screen's parameters, before any draw.
Regole regole(Catalogo::Id id);

// `quante` items of each exercise, in the order given, all from one source. An item that looks
// exactly like one before it of the same exercise is drawn again, a few times at most, so a
// sheet does not repeat itself while its exercise has items left to show.
QList<Quesito> estrai(const QList<Catalogo::Id>& esercizi, int quante, Casuale::Sorgente& caso);

// The figures an item shows, in the order it shows them (1 to 56).
QList<int> figure(const Quesito& q);

}  // namespace Quesiti
