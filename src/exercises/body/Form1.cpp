#include "exercises/body/Form1.h"

#include "app/Casuale.h"
#include "app/Figure.h"
#include "app/ModuloColoriSuoni.h"

Form1::Form1() : FormEsercizio(Schermate::Id::Form1, false) {}

QList<QWidget*> Form1::ControlliRisposta() const
{
    return {controllo("Label3", 0), controllo("Label3", 1)};
}

void Form1::CollegaRisposte()
{
    for (int i : {0, 1})
        connect(etichetta("Label3", i), &Controlli::Etichetta::click, this, [this, i] { Label3_Click(i); });
}

void Form1::GeneraEsercizio()
{
    ImpostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    const int NumeroFigura = Casuale::Int(28) + 1;
    // Pictures 1 to 28 face the child; 29 to 56 show the same figures from behind.
    const bool DiFronte = Casuale::Int(2) == 1;
    immagine("Image1")->impostaImmagine(Figure::Carica(DiFronte ? NumeroFigura : NumeroFigura + 28));
    const bool destro = Casuale::Int(2) == 1;
    etichetta("Label5")->impostaTesto(destro ? QStringLiteral("CLICCA SUL MIO LATO DESTRO")
                                              : QStringLiteral("CLICCA SUL MIO LATO SINISTRO"));
    // A figure facing the child has its own right side on the child's left.
    LatoGiusto = (destro != DiFronte) ? 1 : 0;
}

void Form1::Label3_Click(int Index)
{
    if (Index == LatoGiusto)
        PassiGiusti([this] { AbilitaRisposte(false); });
    else
        PassiSbagliati();
}
