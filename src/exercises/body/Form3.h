#pragma once
#include "app/FormEsercizio.h"

// "Alla mia......    2": one small object stands beside the figure; the child finishes
// "E' ALLA MIA" with "DESTRA" or "SINISTRA", speaking for the figure.
class Form3 : public FormEsercizio {
    Q_OBJECT
public:
    Form3();
    void GeneraEsercizio();

protected:
    void Genera() override { GeneraEsercizio(); }
    QList<QWidget*> ControlliRisposta() const override;
    void CollegaRisposte() override;

private:
    void Command1_Click();
    void Command3_Click();
    int16_t RispostaGiusta = 0;  // 0: "DESTRA" is right, 1: "SINISTRA" is right
};
