#pragma once
// The two line screens ("A destra di......" 1 and 2): one animal at a time in a white field cut
// by coloured lines, drawn anew at every exercise; one pair of answer buttons a line, each pair
// closed by its right answer, "avanti" open once every pair is. They keep their own counts and
// background.
#include "exercises/Righe.h"
#include "framework/FormEsercizio.h"

#include <QVector>

namespace Controlli {
class Riquadro;
}

class FormRighe : public FormEsercizio {
    Q_OBJECT
public:
    FormRighe(const Profilo& s, Righe regole) : FormEsercizio(s), esercizio(regole) {}
    const Righe& regole() const { return esercizio; }

    QVector<Controlli::Riquadro*> PictureDentro;  // the animals in the field; element 0 is never shown
    Controlli::Etichetta* Label3 = nullptr;       // the right answers written out under the field

protected:
    void lega(Legame& l) override;
    // The screen's answer buttons, in the order of its rules' answers.
    virtual void legaRisposte(Legame& l) = 0;
    virtual QList<Controlli::Pulsante*> pulsanti() const = 0;
    void collegaRisposte() override;
    void GeneraEsercizio() override { PreparaEsercizio(); }
    void Command2_Click() override;
    QStringList fraseAttuale() const override { return esercizio.domanda(); }
    QString bottoni() const override { return esercizio.bottoni(); }

private:
    void PreparaEsercizio();
    // Every answer button's click: one rule, read from the answer's row.
    void rispondi(int risposta);
    Righe esercizio;
};
