#include "screens/body/Form3.h"

#include "framework/Legame.h"
#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Voce.h"
#include "ui/Immagine.h"
#include "ui/Pulsante.h"
#include "ui/Riquadro.h"

void Form3::lega(Legame& l)
{
    l(Image1, "Image1");
    l(Picture1, "Picture1");
    l(Command1, "Command1");
    l(Command3, "Command3");
}

void Form3::collegaRisposte()
{
    connect(Command1, &QAbstractButton::clicked, this, &Form3::Command1_Click);
    connect(Command3, &QAbstractButton::clicked, this, &Form3::Command3_Click);
}

void Form3::GeneraEsercizio()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    for (Controlli::Riquadro* oggetto : Picture1)
        oggetto->setVisible(false);
    esercizio.GeneraEsercizio(Casuale::sorgente());
    Image1->impostaImmagine(Figure::carica(esercizio.figura()));
    Picture1[size_t(esercizio.Posizione)]->setVisible(true);
}

// Command1_Click and Command3_Click: a right answer is followed by the sentence it completes.
void Form3::rispondi(int risposta)
{
    const bool giusta = esercizio.giusta(risposta);
    giudica(giusta);
    if (giusta)
        Voce::parla(esercizio.dopoGiusta());
}
