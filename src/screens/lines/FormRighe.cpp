#include "screens/lines/FormRighe.h"

#include "services/Casuale.h"

FormRighe::FormRighe(Catalogo::Id id, int numeroAnimali) : FormEsercizio(id), numeroAnimali(numeroAnimali) {}

void FormRighe::PreparaEsercizio()
{
    pulsante("Command2")->setEnabled(false);
    abilitaRisposte(true);
    etichetta("Label3")->impostaTesto(QString());
    // Element 0 is never shown.
    Posizione = int16_t(Casuale::Int(numeroAnimali) + 1);
    riquadro("PictureDentro", Posizione)->setVisible(true);
}

void FormRighe::Command2_Click()
{
    // Hide the old animal first, so that one animal shows even when the same one comes again.
    riquadro("PictureDentro", Posizione)->setVisible(false);
    PreparaEsercizio();
}
