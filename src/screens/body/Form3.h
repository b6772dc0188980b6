#pragma once
#include "framework/FormEsercizio.h"

// "Alla mia......    2": one small object stands beside the figure; the child finishes
// "E' ALLA MIA" with "DESTRA" or "SINISTRA", speaking for the figure.
class Form3 : public FormEsercizio {
    Q_OBJECT
public:
    using FormEsercizio::FormEsercizio;
    QStringList frasiPossibili() const override;

protected:
    void GeneraEsercizio() override;
    void rispondi(const QString& nome, int) override;
    QStringList fraseAttuale() const override;
    QString bottoni() const override;

private:
    void Command1_Click();  // "DESTRA"
    void Command3_Click();  // "SINISTRA"
    int16_t RispostaGiusta = 0;  // 0: "DESTRA" is right, 1: "SINISTRA" is right
};
