#pragma once
// The table of screens: the one place that knows which screens exist, what each is called in
// the design, which menu button opens it, its window title, the frame it stands in and how that
// frame counts and opens "avanti", its layout and how its object is made. The menu, the
// registry, the tests and the benchmarks all read it.
#include <QString>
#include <memory>
#include <optional>
#include <span>

#include "framework/Schermata.h"
#include "ui/Layout.h"

namespace Catalogo {

enum class Id {
    FormAvvio,
    FormMenu,
    Form1,
    Form2,
    Form3,
    Form4,
    Form5,
    Form6,
    Form7,
    Form8,
    Form9,
    FormDentroFuori1,
    Form10,
};
constexpr int Numero = int(Id::Form10) + 1;

struct Riga {
    Id id;
    const char* nome;               // the design's name: "Form1"
    const char* titolo;             // window title
    Layout::Cornice cornice;        // the frame's geometry; Nessuna for the title and the menu
    Profilo::Conti conti;            // where an exercise counts
    Profilo::Avanti avanti;          // who opens its "avanti"
    Layout::Schermo (*layout)();    // the screen's own controls
    std::unique_ptr<Schermata> (*crea)(const Profilo& profilo);
    // The menu button that opens the screen, its caption and its place (column 0 or 1, row 0 to 5).
    const char* pulsante = nullptr;
    const char* didascalia = nullptr;
    int colonna = 0;
    int riga = 0;
    // The exercise's short name on the command line ("su-di-me"), for its worksheets.
    const char* sigla = nullptr;
};

std::span<const Riga> righe();
const Riga& riga(Id id);
// The exercise whose short name is `sigla`; nothing when none is.
std::optional<Id> daSigla(const QString& sigla);
// The screen's designed layout with its frame and title, made once.
const Layout::Schermo& layout(Id id);
inline bool esercizio(Id id) { return riga(id).cornice != Layout::Cornice::Nessuna; }

// Tells the registry how to make each screen and which is the menu; before the first is shown.
void installa();

}  // namespace Catalogo
