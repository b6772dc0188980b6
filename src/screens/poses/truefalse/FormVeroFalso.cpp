#include "screens/poses/truefalse/FormVeroFalso.h"

#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Modulo1.h"
#include "services/Voce.h"

namespace {
// The statement's beginning by `Lato`: 0 the left arm, 1 the right one.
constexpr const char* Inizio[2] = {"HO IL BRACCIO SINISTRO ", "HO IL BRACCIO DESTRO "};
}  // namespace

FormVeroFalso::FormVeroFalso(Catalogo::Id id, int quante, int aggiunta)
    : FormConFrasi(id), quante(quante), aggiunta(aggiunta)
{
}

QStringList FormVeroFalso::frasiPossibili() const
{
    QStringList frasi{Voce::BottoniVeroFalso, Voce::VeroOFalso};
    for (const char* inizio : Inizio)
        for (int codice = 1; codice <= 4; ++codice)
            frasi << QString::fromLatin1(inizio) + QString::fromLatin1(Frammenti[codice]);
    return frasi;
}

// The statement, then the question a child who cannot read needs to answer it.
QStringList FormVeroFalso::fraseAttuale() const
{
    return {etichetta("Label5")->testo(), Voce::VeroOFalso};
}

QString FormVeroFalso::bottoni() const
{
    return Voce::BottoniVeroFalso;
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
    QString testo = QString::fromLatin1(Inizio[Lato]);
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
