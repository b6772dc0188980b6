#pragma once
// The figure each body exercise begins with: one of the 28 poses, facing the child or seen
// from behind.
namespace Controlli {
class Immagine;
}

// Draws NumeroFigura (1 to 28), then whether the figure faces the child (DiFronte), and shows
// picture NumeroFigura, or NumeroFigura + 28 seen from behind, in `Image1`. Returns DiFronte.
bool mostraFiguraCasuale(Controlli::Immagine* Image1);
