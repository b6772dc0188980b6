#pragma once
// "Vero e falso" 1 to 3: one screen type; the three differ only in the range of the pose draw.
#include "exercises/VeroFalso.h"
#include "framework/FormEsercizio.h"

class FormVeroFalso : public FormEsercizio {
    Q_OBJECT
public:
    // One attempt of the pose draw is Int(r * quante) + 1, then `aggiunta` is added.
    FormVeroFalso(const Profilo& s, int quante, int aggiunta) : FormEsercizio(s), esercizio(quante, aggiunta) {}
    const VeroFalso& regole() const { return esercizio; }

    Controlli::Immagine* Image1 = nullptr;    // the figure
    Controlli::Etichetta* Label5 = nullptr;   // the statement
    Controlli::Pulsante* Command1 = nullptr;  // "VERO"
    Controlli::Pulsante* Command3 = nullptr;  // "FALSO"

protected:
    void lega(Legame& l) override;
    void collegaRisposte() override;
    void GeneraEsercizio() override;
    QStringList fraseAttuale() const override { return esercizio.domanda(); }
    QString bottoni() const override { return esercizio.bottoni(); }

private:
    void Command1_Click() { rispondi(VeroFalso::Vero); }
    void Command3_Click() { rispondi(VeroFalso::Falso); }
    void rispondi(int risposta);
    VeroFalso esercizio;
};
