#include "exercises/Righe.h"

#include "services/Casuale.h"
#include "services/Voce.h"

namespace {
// The line under the field of "A destra di......  1" is the caption of the button pressed.
constexpr Righe::Risposta UnaRiga[] = {
    {1, 15, 0, "DESTRA"},
    {16, 30, 0, "SINISTRA"},
};
// "A destra di...... 2": the yellow pair, then the green pair.
constexpr Righe::Risposta DueRighe[] = {
    {1, 30, 0, "A DESTRA DELLA RIGA GIALLA."},
    {31, 45, 0, "A SINISTRA DELLA RIGA GIALLA."},
    {1, 15, 1, "A DESTRA DELLA RIGA VERDE."},
    {16, 45, 1, "A SINISTRA DELLA RIGA VERDE."},
};
}  // namespace

Righe Righe::unaRiga()
{
    return Righe(30, 1, UnaRiga);
}

Righe Righe::dueRighe()
{
    return Righe(45, 2, DueRighe);
}

void Righe::PreparaEsercizio(Casuale::Sorgente& caso)
{
    chiuse = 0;
    testo.clear();
    Posizione = Casuale::Int(caso, animali) + 1;
}

bool Righe::giusta(int risposta) const
{
    const Risposta& r = elenco[size_t(risposta)];
    return Posizione >= r.da && Posizione <= r.a;
}

void Righe::chiudi(int risposta)
{
    const Risposta& r = elenco[size_t(risposta)];
    chiuse |= 1 << r.coppia;
    const QString riga = QString::fromLatin1(r.riga);
    testo = coppie == 1 ? riga : testo + riga + QStringLiteral("\r\n");
}

bool Righe::finito() const
{
    return chiuse == (1 << coppie) - 1;
}

QStringList Righe::domanda() const
{
    return {coppie == 1 ? Voce::DomandaRigaVerde : Voce::DomandaDueRighe};
}

QString Righe::bottoni() const
{
    return coppie == 1 ? Voce::BottoniDestraSinistra : Voce::BottoniDueRighe;
}
