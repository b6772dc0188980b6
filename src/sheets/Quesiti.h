#pragma once
// The items of a worksheet: each exercise's rules, as its screen has them, drawn afresh for every
// item from the sheet's number and the exercise alone, each page's answers balanced, and what
// each item's right answer is on paper.
#include <QList>
#include <QString>
#include <variant>

#include "Catalogo.h"
#include "exercises/Corpo.h"
#include "exercises/Detective.h"
#include "exercises/Righe.h"
#include "exercises/VeroFalso.h"

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

// `quante` items of the exercise `id`, `perPagina` a page, from the stream that the sheet's
// number `seme` and the exercise's short name give: item n is the same whatever else is printed
// and however many follow it. Every item is one the rules drew; of the drawn, each is taken only
// when its page so far stays balanced (no more than three right answers alike in a row, not all
// alike, and of two answers neither on more than two-thirds) and, while the exercise has others
// left to show, when it does not look exactly like one before it.
QList<Quesito> estrai(Catalogo::Id id, int quante, int perPagina, quint64 seme);

// The figures an item shows, in the order it shows them (1 to 56).
QList<int> figure(const Quesito& q);

}  // namespace Quesiti
