#include "exercises/lines/Form10.h"

#include "app/Casuale.h"

namespace {
constexpr int NumeroAnimali = 45;
}

// One answer button: the animals for which it is right, the pair it closes, and the line
// that restates it under the field.
struct Form10::Risposta {
    const char* pulsante;
    int da, a;
    const char* compagno;
    const char* riga;
};

Form10::Form10() : FormEsercizio(Schermate::Id::Form10, true) {}

QList<QWidget*> Form10::ControlliRisposta() const
{
    return {controllo("Command1"), controllo("Command3"), controllo("Command4"), controllo("Command5")};
}

void Form10::CollegaRisposte()
{
    static const Risposta risposte[] = {
        {"Command1", 1, 30, "Command3", "A DESTRA DELLA RIGA GIALLA."},
        {"Command3", 31, 45, "Command1", "A SINISTRA DELLA RIGA GIALLA."},
        {"Command4", 1, 15, "Command5", "A DESTRA DELLA RIGA VERDE."},
        {"Command5", 16, 45, "Command4", "A SINISTRA DELLA RIGA VERDE."},
    };
    for (const Risposta& r : risposte)
        connect(pulsante(r.pulsante), &QAbstractButton::clicked, this, [this, &r] { Rispondi(r); });
}

void Form10::PreparaEsercizio()
{
    pulsante("Command2")->setEnabled(false);
    AbilitaRisposte(true);
    etichetta("Label3")->impostaTesto(QString());
    // 1 to 45: element 0 is never shown.
    Posizione = int16_t(Casuale::Int(NumeroAnimali) + 1);
    riquadro("PictureDentro", Posizione)->setVisible(true);
}

void Form10::Command2_Click()
{
    // Hide the old animal first, so that one animal shows even when the same one comes again.
    riquadro("PictureDentro", Posizione)->setVisible(false);
    PreparaEsercizio();
}

void Form10::Rispondi(const Risposta& r)
{
    if (Posizione < r.da || Posizione > r.a) {
        PassiSbagliati();
        return;
    }
    PassiGiusti([this, &r] {
        pulsante(r.pulsante)->setEnabled(false);
        pulsante(r.compagno)->setEnabled(false);
    });
    // "avanti" only once the animal is placed against both lines.
    if (!pulsante("Command1")->isEnabled() && !pulsante("Command4")->isEnabled())
        pulsante("Command2")->setEnabled(true);
    Controlli::Etichetta* l = etichetta("Label3");
    l->impostaTesto(l->testo() + QString::fromLatin1(r.riga) + QStringLiteral("\r\n"));
}
