#include "screens/body/Form3.h"

#include "screens/body/FiguraCasuale.h"
#include "services/Casuale.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Voce.h"

namespace {
constexpr int NumeroOggetti = 10;  // 0 to 4 left of the figure, 5 to 9 right of it
}

// The screen writes only "E' ALLA MIA": the voice asks the whole question, and after a right
// answer says the sentence it completes.
QStringList Form3::frasiPossibili() const
{
    return {Voce::BottoniDestraSinistra, Voce::DomandaAllaMia2, Voce::RispostaAllaMiaDestra,
            Voce::RispostaAllaMiaSinistra};
}

QStringList Form3::fraseAttuale() const
{
    return {Voce::DomandaAllaMia2};
}

QString Form3::bottoni() const
{
    return Voce::BottoniDestraSinistra;
}

void Form3::GeneraEsercizio()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    for (int i = 0; i < NumeroOggetti; ++i)
        riquadro("Picture1", i)->setVisible(false);
    const bool DiFronte = mostraFiguraCasuale(immagine("Image1"));
    const int Posizione = Casuale::Int(NumeroOggetti);
    riquadro("Picture1", Posizione)->setVisible(true);
    // A figure facing the child has its own left side on the child's right, and the other way round.
    const bool colonnaDestra = Posizione >= NumeroOggetti / 2;
    RispostaGiusta = (colonnaDestra == DiFronte) ? 1 : 0;
}

void Form3::rispondi(const QString& nome, int)
{
    if (nome == QLatin1String("Command1"))
        Command1_Click();
    else
        Command3_Click();
}

void Form3::Command1_Click()
{
    if (RispostaGiusta == 0) {
        passiGiusti([this] { abilitaRisposte(false); });
        Voce::parla({Voce::RispostaAllaMiaDestra});
    } else {
        passiSbagliati();
    }
}

void Form3::Command3_Click()
{
    if (RispostaGiusta == 1) {
        passiGiusti([this] { abilitaRisposte(false); });
        Voce::parla({Voce::RispostaAllaMiaSinistra});
    } else {
        passiSbagliati();
    }
}
