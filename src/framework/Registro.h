#pragma once
// The screen objects of the program and the one way they replace each other: each is made from
// the table of screens the first time it is asked for and kept until the program ends.
#include "Catalogo.h"

class QWidget;

namespace Registro {

// The screen object, created the first time it is asked for.
Schermata& oggetto(Catalogo::Id id);
// Creates the screen if needed and shows it (loading it runs its Form_Load).
void mostra(Catalogo::Id id);

// The menu's quit question: ends the program on "Sì".
void ConfermaUscita(QWidget* padre);
// Closes every window and ends the program; no further handler runs.
void terminaProgramma();
bool terminato();

// The screens whose windows are open, and the first of them in the table.
int aperte();
Schermata* aperta();

// Unloads and destroys every screen object, as at a fresh start: at exit, while the
// application still exists, and between tests.
void distruggi();

}  // namespace Registro
