#include "exercises/lines/FormDentroFuori1.h"

#include "app/Casuale.h"

namespace {
constexpr int NumeroAnimali = 30;
constexpr int UltimoADestra = 15;
}  // namespace

FormDentroFuori1::FormDentroFuori1() : FormEsercizio(Schermate::Id::FormDentroFuori1, true) {}

QList<QWidget*> FormDentroFuori1::ControlliRisposta() const
{
    return {controllo("Command1"), controllo("Command3")};
}

void FormDentroFuori1::CollegaRisposte()
{
    connect(pulsante("Command1"), &QAbstractButton::clicked, this,
            [this] { Rispondi(pulsante("Command1"), Posizione <= UltimoADestra); });
    connect(pulsante("Command3"), &QAbstractButton::clicked, this,
            [this] { Rispondi(pulsante("Command3"), Posizione > UltimoADestra); });
}

void FormDentroFuori1::PreparaEsercizio()
{
    pulsante("Command2")->setEnabled(false);
    AbilitaRisposte(true);
    etichetta("Label3")->impostaTesto(QString());
    // 1 to 30: element 0 is never shown.
    Posizione = int16_t(Casuale::Int(NumeroAnimali) + 1);
    riquadro("PictureDentro", Posizione)->setVisible(true);
}

void FormDentroFuori1::Command2_Click()
{
    // Hide the old animal first, so that one animal shows even when the same one comes again.
    riquadro("PictureDentro", Posizione)->setVisible(false);
    PreparaEsercizio();
}

void FormDentroFuori1::Rispondi(Controlli::Pulsante* premuto, bool giusta)
{
    if (!giusta) {
        PassiSbagliati();
        return;
    }
    PassiGiusti([this] { AbilitaRisposte(false); });
    pulsante("Command2")->setEnabled(true);
    // The answer written out once more under the field.
    etichetta("Label3")->impostaTesto(premuto->text());
}
