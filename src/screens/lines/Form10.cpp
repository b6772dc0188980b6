#include "screens/lines/Form10.h"

#include "services/Voce.h"

#include <algorithm>

namespace {
// One answer button: the animals for which it is right, the pair it closes, and the line
// that restates it under the field.
struct Risposta {
    const char* pulsante;
    int da, a;
    const char* compagno;
    const char* riga;
};
constexpr Risposta Risposte[] = {
    {"Command1", 1, 30, "Command3", "A DESTRA DELLA RIGA GIALLA."},
    {"Command3", 31, 45, "Command1", "A SINISTRA DELLA RIGA GIALLA."},
    {"Command4", 1, 15, "Command5", "A DESTRA DELLA RIGA VERDE."},
    {"Command5", 16, 45, "Command4", "A SINISTRA DELLA RIGA VERDE."},
};
}  // namespace

// The screen writes no sentence: the voice asks the question, and after a right answer says
// the line just written under the field.
QStringList Form10::frasiPossibili() const
{
    QStringList frasi{Voce::BottoniDueRighe, Voce::DomandaDueRighe};
    for (const Risposta& r : Risposte)
        frasi << QString::fromLatin1(r.riga);
    return frasi;
}

QStringList Form10::fraseAttuale() const
{
    return {Voce::DomandaDueRighe};
}

QString Form10::bottoni() const
{
    return Voce::BottoniDueRighe;
}

// Command1_Click, Command3_Click, Command4_Click and Command5_Click: one rule, read from the
// button's row.
void Form10::rispondi(const QString& nome, int)
{
    const Risposta* r = std::find_if(std::begin(Risposte), std::end(Risposte),
                                     [&](const Risposta& x) { return nome == QLatin1String(x.pulsante); });
    if (r == std::end(Risposte))
        return;
    if (Posizione < r->da || Posizione > r->a) {
        passiSbagliati();
        return;
    }
    passiGiusti([this, r] {
        pulsante(r->pulsante)->setEnabled(false);
        pulsante(r->compagno)->setEnabled(false);
    });
    // "avanti" only once the animal is placed against both lines.
    if (!pulsante("Command1")->isEnabled() && !pulsante("Command4")->isEnabled())
        pulsante("Command2")->setEnabled(true);
    Controlli::Etichetta* l = etichetta("Label3");
    l->impostaTesto(l->testo() + QString::fromLatin1(r->riga) + QStringLiteral("\r\n"));
    Voce::parla({QString::fromLatin1(r->riga)});
}
