#pragma once
// The screens of the program and the one way they replace each other.

class Schermata;

namespace Schermate {

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
    Form10,
    FormDentroFuori1,
};
constexpr int Numero = int(Id::FormDentroFuori1) + 1;

// The screen object, created the first time it is asked for.
Schermata& Oggetto(Id id);
// Creates the screen if needed and shows it (loading it runs its Form_Load).
void Mostra(Id id);
// Closes every window and ends the program; no further handler runs.
void TerminaProgramma();
bool Terminato();

// The screens whose windows are open, and the one on top of the list.
int Aperte();
Schermata* Aperta();

// For tests: unload and destroy every screen object, as at a fresh start.
void Distruggi();

}  // namespace Schermate
