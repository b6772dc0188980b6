#include "screens/body/Form1.h"

#include "screens/body/FiguraCasuale.h"
#include "services/Casuale.h"
#include "services/ModuloColoriSuoni.h"

namespace {
// The sentence by the side asked: 0 the figure's left, 1 its right.
constexpr const char* Richiesta[2] = {"CLICCA SUL MIO LATO SINISTRO", "CLICCA SUL MIO LATO DESTRO"};
}  // namespace

QStringList Form1::frasiPossibili() const
{
    return {Richiesta[0], Richiesta[1]};
}

QStringList Form1::fraseAttuale() const
{
    return {etichetta("Label5")->testo()};
}

void Form1::GeneraEsercizio()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    const bool DiFronte = mostraFiguraCasuale(immagine("Image1"));
    const bool destro = Casuale::Int(2) == 1;
    etichetta("Label5")->impostaTesto(QString::fromLatin1(Richiesta[destro]));
    // A figure facing the child has its own right side on the child's left.
    LatoGiusto = (destro != DiFronte) ? 1 : 0;
}

void Form1::Label3_Click(int Index)
{
    if (Index == LatoGiusto)
        passiGiusti([this] { abilitaRisposte(false); });
    else
        passiSbagliati();
}
