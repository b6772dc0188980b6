#include "screens/body/Form2.h"

#include "framework/Legame.h"
#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "ui/Clic.h"
#include "ui/Etichetta.h"
#include "ui/Immagine.h"
#include "ui/Riquadro.h"

void Form2::lega(Legame& l)
{
    l(Image1, "Image1");
    l(Label3, "Label3");
    l(PictureGatto, "PictureGatto");
    l(Label5, "Label5");
}

void Form2::collegaRisposte()
{
    for (int i = 0; i < int(Label3.size()); ++i)
        Controlli::suClic(Label3[size_t(i)], this, [this, i] { Label3_Click(i); });
}

void Form2::GeneraEsercizio()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    // The kitten is the reward of a right answer: none shows while the child is choosing.
    for (Controlli::Riquadro* gatto : PictureGatto)
        gatto->setVisible(false);
    esercizio.GeneraEsercizio(Casuale::sorgente());
    Image1->impostaImmagine(Figure::carica(esercizio.figura()));
    Label5->impostaTesto(esercizio.frase());
}

void Form2::Label3_Click(int Index)
{
    if (esercizio.giusta(Index))
        passiGiusti([this, Index] {
            PictureGatto[size_t(Index)]->setVisible(true);
            abilitaRisposte(false);
        });
    else
        passiSbagliati();
}
