#include "screens/detective/FormDetective.h"

#include "framework/Legame.h"
#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "ui/Clic.h"
#include "ui/Etichetta.h"
#include "ui/Immagine.h"

void FormDetective::lega(Legame& l)
{
    l(Image1, "Image1");
    l(Label5, "Label5");
}

void FormDetective::collegaRisposte()
{
    for (int i = 0; i < int(Image1.size()); ++i)
        Controlli::suClic(Image1[size_t(i)], this, [this, i] { Image1_Click(i); });
}

void FormDetective::GeneraEsercizio()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    esercizio.GeneraEsercizio(Casuale::sorgente());
    for (size_t i = 0; i < Image1.size(); ++i)
        Image1[i]->impostaImmagine(Figure::carica(esercizio.NumeriFigure[i]));
    Label5->impostaTesto(esercizio.descrizione());
}

void FormDetective::Image1_Click(int Index)
{
    giudica(esercizio.giusta(Index));
}
