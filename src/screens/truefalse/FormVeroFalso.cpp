#include "screens/truefalse/FormVeroFalso.h"

#include "framework/Legame.h"
#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "ui/Etichetta.h"
#include "ui/Immagine.h"
#include "ui/Pulsante.h"

void FormVeroFalso::lega(Legame& l)
{
    l(Image1, "Image1");
    l(Label5, "Label5");
    l(Command1, "Command1");
    l(Command3, "Command3");
}

void FormVeroFalso::collegaRisposte()
{
    connect(Command1, &QAbstractButton::clicked, this, &FormVeroFalso::Command1_Click);
    connect(Command3, &QAbstractButton::clicked, this, &FormVeroFalso::Command3_Click);
}

void FormVeroFalso::GeneraEsercizio()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    esercizio.GeneraEsercizio(Casuale::sorgente());
    Image1->impostaImmagine(Figure::carica(esercizio.NumeroFigura));
    Label5->impostaTesto(esercizio.frase());
}

// Command1_Click ("VERO") and Command3_Click ("FALSO").
void FormVeroFalso::rispondi(int risposta)
{
    giudica(esercizio.giusta(risposta));
}
