#include "screens/poses/truefalse/FormVeroFalso.h"

#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Modulo1.h"

FormVeroFalso::FormVeroFalso(Schermate::Id id, int quante, int aggiunta)
    : FormConFrasi(id), quante(quante), aggiunta(aggiunta)
{
}

void FormVeroFalso::GeneraEsercizio()
{
    using namespace Modulo1;
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    // A pose with both arms alike would leave no false statement to make: draw again.
    do
        NumeroFigura = int16_t(Casuale::Int(quante) + 1 + aggiunta);
    while (BraccioDestro(NumeroFigura) == BraccioSinistro(NumeroFigura));
    immagine("Image1")->impostaImmagine(Figure::carica(NumeroFigura));

    const int Lato = Casuale::Int(2);
    QString testo = Lato == 1 ? QStringLiteral("HO IL BRACCIO DESTRO ") : QStringLiteral("HO IL BRACCIO SINISTRO ");
    FraseFalsa = int16_t(Casuale::Int(2));
    // A false statement names one arm with the position of the other one.
    const bool braccioDestro = (Lato == 1) == (FraseFalsa == 0);
    testo += Frasi[braccioDestro ? BraccioDestro(NumeroFigura) : BraccioSinistro(NumeroFigura)];
    etichetta("Label5")->impostaTesto(testo);
}

void FormVeroFalso::rispondi(const QString& nome, int)
{
    if (nome == QLatin1String("Command1"))
        Command1_Click();
    else
        Command3_Click();
}

void FormVeroFalso::Command1_Click()
{
    if (FraseFalsa == 0)
        passiGiusti([this] { abilitaRisposte(false); });
    else
        passiSbagliati();
}

void FormVeroFalso::Command3_Click()
{
    if (FraseFalsa == 1)
        passiGiusti([this] { abilitaRisposte(false); });
    else
        passiSbagliati();
}
