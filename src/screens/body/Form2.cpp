#include "screens/body/Form2.h"

#include "screens/body/FiguraCasuale.h"
#include "services/Casuale.h"
#include "services/ModuloColoriSuoni.h"

namespace {
// The sentence by the side named: 0 the figure's left, 1 its right.
constexpr const char* Frase[2] = {"IL MICETTO E' ALLA MIA SINISTRA", "IL MICETTO E' ALLA MIA DESTRA"};
}  // namespace

QStringList Form2::frasiPossibili() const
{
    return {Frase[0], Frase[1]};
}

QStringList Form2::fraseAttuale() const
{
    return {etichetta("Label5")->testo()};
}

void Form2::GeneraEsercizio()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    // The kitten is the reward of a right answer: none shows while the child is choosing.
    riquadro("PictureGatto", 0)->setVisible(false);
    riquadro("PictureGatto", 1)->setVisible(false);
    const bool DiFronte = mostraFiguraCasuale(immagine("Image1"));
    const bool destra = Casuale::Int(2) == 1;
    etichetta("Label5")->impostaTesto(QString::fromLatin1(Frase[destra]));
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
