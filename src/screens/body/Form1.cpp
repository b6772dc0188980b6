#include "screens/body/Form1.h"

#include "framework/Legame.h"
#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "ui/Clic.h"
#include "ui/Etichetta.h"
#include "ui/Immagine.h"

void Form1::lega(Legame& l)
{
    l(Image1, "Image1");
    l(Label3, "Label3");
    l(Label5, "Label5");
}

void Form1::collegaRisposte()
{
    for (int i = 0; i < int(Label3.size()); ++i)
        Controlli::suClic(Label3[size_t(i)], this, [this, i] { Label3_Click(i); });
}

void Form1::GeneraEsercizio()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    esercizio.GeneraEsercizio(Casuale::sorgente());
    Image1->impostaImmagine(Figure::carica(esercizio.figura()));
    Label5->impostaTesto(esercizio.frase());
}

void Form1::Label3_Click(int Index)
{
    giudica(esercizio.giusta(Index));
}
