#pragma once
// The screen objects of the program and the one way they replace each other: each is made the
// first time it is asked for, by the catalogue that knows how, and kept until the program ends.
#include <memory>

class QWidget;
class Schermata;

namespace Registro {

// How the screens are made, given once by the catalogue before the first is asked for.
struct Fabbrica {
    int numero = 0;                                 // screens in the catalogue, numbered from 0
    int menu = -1;                                  // the menu, where an exercise goes back to
    std::unique_ptr<Schermata> (*crea)(int id) = nullptr;
};
void imposta(const Fabbrica& fabbrica);
int menu();

// The screen object, created the first time it is asked for.
Schermata& oggetto(int id);
// Creates the screen if needed and shows it (loading it runs its Form_Load).
void mostra(int id);
// The one way a screen replaces another: shows the target (which loads it), then unloads `da`.
void passa(Schermata& da, int destinazione);

// The menu's quit question: ends the program on "Sì".
void ConfermaUscita(QWidget* padre);
// Closes every window and ends the program; no further handler runs.
void terminaProgramma();

// Unloads and destroys every screen object, as at a fresh start: at exit, while the
// application still exists, and between tests.
void distruggi();

}  // namespace Registro
