#include "screens/body/Form2.h"

#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"

void Form2::GeneraEsercizio()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    // The kitten is the reward of a right answer: none shows while the child is choosing.
    riquadro("PictureGatto", 0)->setVisible(false);
    riquadro("PictureGatto", 1)->setVisible(false);
    const int NumeroFigura = Casuale::Int(28) + 1;
    // Pictures 1 to 28 face the child; 29 to 56 show the same figures from behind.
    const bool DiFronte = Casuale::Int(2) == 1;
    immagine("Image1")->impostaImmagine(Figure::carica(DiFronte ? NumeroFigura : NumeroFigura + 28));
    const bool destra = Casuale::Int(2) == 1;
    etichetta("Label5")->impostaTesto(destra ? QStringLiteral("IL MICETTO E' ALLA MIA DESTRA")
                                             : QStringLiteral("IL MICETTO E' ALLA MIA SINISTRA"));
    // A figure facing the child has its own right side on the child's left.
    LatoGiusto = (destra != DiFronte) ? 1 : 0;
}

void Form2::Label3_Click(int Index)
{
    if (Index == LatoGiusto)
        passiGiusti([this, Index] {
            riquadro("PictureGatto", Index)->setVisible(true);
            abilitaRisposte(false);
        });
    else
        passiSbagliati();
}
