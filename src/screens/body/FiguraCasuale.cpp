#include "screens/body/FiguraCasuale.h"

#include "services/Casuale.h"
#include "services/Figure.h"
#include "ui/Controlli.h"

bool mostraFiguraCasuale(Controlli::Immagine* Image1)
{
    const int NumeroFigura = Casuale::Int(28) + 1;
    // Pictures 1 to 28 face the child; 29 to 56 show the same figures from behind.
    const bool DiFronte = Casuale::Int(2) == 1;
    Image1->impostaImmagine(Figure::carica(DiFronte ? NumeroFigura : NumeroFigura + 28));
    return DiFronte;
}
