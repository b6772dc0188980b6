#include "screens/lines/FormRighe.h"

#include "framework/Legame.h"
#include "services/Casuale.h"
#include "services/Voce.h"
#include "ui/Etichetta.h"
#include "ui/Pulsante.h"
#include "ui/Riquadro.h"

void FormRighe::lega(Legame& l)
{
    l(PictureDentro, "PictureDentro");
    l(Label3, "Label3");
    legaRisposte(l);
}

void FormRighe::collegaRisposte()
{
    const QList<Controlli::Pulsante*> p = pulsanti();
    for (int i = 0; i < p.size(); ++i)
        connect(p[i], &QAbstractButton::clicked, this, [this, i] { rispondi(i); });
}

void FormRighe::PreparaEsercizio()
{
    Command2->setEnabled(false);
    abilitaRisposte(true);
    Label3->impostaTesto(QString());
    esercizio.PreparaEsercizio(Casuale::sorgente());
    PictureDentro[esercizio.Posizione]->setVisible(true);
}

void FormRighe::Command2_Click()
{
    // Hide the old animal first, so that one animal shows even when the same one comes again.
    PictureDentro[esercizio.Posizione]->setVisible(false);
    PreparaEsercizio();
}

void FormRighe::rispondi(int risposta)
{
    if (!esercizio.giusta(risposta)) {
        passiSbagliati();
        return;
    }
    esercizio.chiudi(risposta);
    passiGiusti([this, risposta] {
        const QList<Controlli::Pulsante*> p = pulsanti();
        for (int i = 0; i < p.size(); ++i)
            if (esercizio.risposte()[size_t(i)].coppia == esercizio.risposte()[size_t(risposta)].coppia)
                p[i]->setEnabled(false);
    });
    if (esercizio.finito())
        Command2->setEnabled(true);
    Label3->impostaTesto(esercizio.scritto());
    Voce::parla(esercizio.dopoGiusta(risposta));
}
