#include "screens/lines/FormDentroFuori1.h"

#include "services/Voce.h"

namespace {
constexpr int UltimoADestra = 15;
}  // namespace

// The screen writes no sentence: the voice asks the question, and after a right answer says
// the line written under the field.
QStringList FormDentroFuori1::frasiPossibili() const
{
    QStringList frasi{Voce::BottoniDestraSinistra, Voce::DomandaRigaVerde};
    // The line under the field is the caption of the button pressed.
    for (const Layout::Controllo& c : layout().controlli)
        if (c.risposta)
            frasi << c.testo;
    return frasi;
}

QStringList FormDentroFuori1::fraseAttuale() const
{
    return {Voce::DomandaRigaVerde};
}

QString FormDentroFuori1::bottoni() const
{
    return Voce::BottoniDestraSinistra;
}

void FormDentroFuori1::rispondi(const QString& nome, int)
{
    if (nome == QLatin1String("Command1"))
        Command1_Click();
    else
        Command3_Click();
}

void FormDentroFuori1::Command1_Click()
{
    giudica(pulsante("Command1"), Posizione <= UltimoADestra);
}

void FormDentroFuori1::Command3_Click()
{
    giudica(pulsante("Command3"), Posizione > UltimoADestra);
}

void FormDentroFuori1::giudica(Controlli::Pulsante* premuto, bool giusta)
{
    if (!giusta) {
        passiSbagliati();
        return;
    }
    passiGiusti([this] { abilitaRisposte(false); });
    pulsante("Command2")->setEnabled(true);
    // The answer written out once more under the field.
    etichetta("Label3")->impostaTesto(premuto->text());
    Voce::parla({premuto->text()});
}
