#include "exercises/Corpo.h"

#include "services/Casuale.h"
#include "services/Voce.h"

namespace {
// The sentences by the side named: 0 the figure's left, 1 its right.
constexpr const char* Richiesta[2] = {"CLICCA SUL MIO LATO SINISTRO", "CLICCA SUL MIO LATO DESTRO"};
constexpr const char* Micetto[2] = {"IL MICETTO E' ALLA MIA SINISTRA", "IL MICETTO E' ALLA MIA DESTRA"};
// On paper, where a child marks with a pencil and print writes the verb as "È".
constexpr const char* LatoStampato[2] = {"IL MIO LATO SINISTRO", "IL MIO LATO DESTRO"};
constexpr const char* MicettoStampato[2] = {"IL MICETTO È ALLA MIA SINISTRA", "IL MICETTO È ALLA MIA DESTRA"};
}  // namespace

void Corpo::GeneraEsercizio(Casuale::Sorgente& caso)
{
    NumeroFigura = Casuale::Int(caso, 28) + 1;
    // Pictures 1 to 28 face the child; 29 to 56 show the same figures from behind.
    DiFronte = Casuale::Int(caso, 2) == 1;
    if (tipo == Tipo::Oggetto) {
        Posizione = Casuale::Int(caso, NumeroOggetti);
        // A figure facing the child has its own left side on the child's right, and the other way round.
        const bool colonnaDestra = Posizione >= NumeroOggetti / 2;
        RispostaGiusta = colonnaDestra == DiFronte ? RispostaSinistra : RispostaDestra;
        return;
    }
    destra = Casuale::Int(caso, 2) == 1;
    // A figure facing the child has its own right side on the child's left.
    LatoGiusto = destra != DiFronte ? Destra : Sinistra;
}

bool Corpo::giusta(int risposta) const
{
    return risposta == (tipo == Tipo::Oggetto ? RispostaGiusta : LatoGiusto);
}

QString Corpo::frase() const { return scritta(false); }

QString Corpo::fraseStampata() const { return scritta(true); }

QString Corpo::scritta(bool stampata) const
{
    switch (tipo) {
    case Tipo::SuDiMe: return QString::fromUtf8((stampata ? LatoStampato : Richiesta)[destra]);
    case Tipo::Micetto: return QString::fromUtf8((stampata ? MicettoStampato : Micetto)[destra]);
    case Tipo::Oggetto: break;
    }
    return stampata ? QStringLiteral("È ALLA MIA") : QStringLiteral("E' ALLA MIA");
}

// "Alla mia...... 2" writes only "E' ALLA MIA": the voice asks the whole question, and after a
// right answer says the sentence it completes.
QStringList Corpo::domanda() const
{
    return {tipo == Tipo::Oggetto ? QString::fromLatin1(Voce::DomandaAllaMia2) : frase()};
}

QStringList Corpo::dopoGiusta() const
{
    if (tipo != Tipo::Oggetto)
        return {};
    return {RispostaGiusta == RispostaDestra ? Voce::RispostaAllaMiaDestra : Voce::RispostaAllaMiaSinistra};
}

QString Corpo::bottoni() const
{
    return tipo == Tipo::Oggetto ? QString::fromLatin1(Voce::BottoniDestraSinistra) : QString();
}
