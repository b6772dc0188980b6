#pragma once
#include "framework/FormEsercizio.h"

// "A destra di......  1": one animal in a white field split by a green line; the child
// says whether it is to the right ("DESTRA") or the left ("SINISTRA") of the line.
// The screen keeps its own counts and its light cyan background.
class FormDentroFuori1 : public FormEsercizio {
    Q_OBJECT
public:
    using FormEsercizio::FormEsercizio;

protected:
    void GeneraEsercizio() override { PreparaEsercizio(); }
    void rispondi(const QString& nome, int) override;
    void Command2_Click() override;
    QStringList fraseAttuale() const override;
    QString bottoni() const override;

public:
    QStringList frasiPossibili() const override;

private:
    void PreparaEsercizio();
    void Command1_Click();  // "DESTRA"
    void Command3_Click();  // "SINISTRA"
    void giudica(Controlli::Pulsante* premuto, bool giusta);
    int16_t Posizione = 1;  // the animal on show: 1 to 15 right of the line, 16 to 30 left
};
