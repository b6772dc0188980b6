#include "exercises/truefalse/FormVeroFalso.h"

#include "app/Casuale.h"
#include "app/Figure.h"
#include "app/ModuloColoriSuoni.h"
#include "app/Modulo1.h"

FormVeroFalso::FormVeroFalso(Schermate::Id id, int quante, int aggiunta)
    : FormConFrasi(id, false), quante(quante), aggiunta(aggiunta)
{
}

QList<QWidget*> FormVeroFalso::ControlliRisposta() const
{
    return {controllo("Command1"), controllo("Command3")};
}

void FormVeroFalso::CollegaRisposte()
{
    connect(pulsante("Command1"), &QAbstractButton::clicked, this, &FormVeroFalso::Command1_Click);
    connect(pulsante("Command3"), &QAbstractButton::clicked, this, &FormVeroFalso::Command3_Click);
}

void FormVeroFalso::GeneraEsercizio()
{
    using namespace Modulo1;
    ImpostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    // A pose with both arms alike would leave no false statement to make: draw again.
    do
        NumeroFigura = int16_t(Casuale::Int(quante) + 1 + aggiunta);
    while (BraccioDestro[NumeroFigura] == BraccioSinistro[NumeroFigura]);
    immagine("Image1")->impostaImmagine(Figure::Carica(NumeroFigura));

    const int Lato = Casuale::Int(2);
    QString testo = Lato == 1 ? QStringLiteral("HO IL BRACCIO DESTRO ") : QStringLiteral("HO IL BRACCIO SINISTRO ");
    FraseFalsa = int16_t(Casuale::Int(2));
    // A false statement names one arm with the position of the other one.
    const bool braccioDestro = (Lato == 1) == (FraseFalsa == 0);
    testo += Frasi[braccioDestro ? BraccioDestro[NumeroFigura] : BraccioSinistro[NumeroFigura]];
    etichetta("Label5")->impostaTesto(testo);
}

void FormVeroFalso::Command1_Click()
{
    if (FraseFalsa == 0)
        PassiGiusti([this] { AbilitaRisposte(false); });
    else
        PassiSbagliati();
}

void FormVeroFalso::Command3_Click()
{
    if (FraseFalsa == 1)
        PassiGiusti([this] { AbilitaRisposte(false); });
    else
        PassiSbagliati();
}
