#pragma once
#include "framework/FormEsercizio.h"

// "Su di me ": the figure asks to be clicked on its own right or left side.
class Form1 : public FormEsercizio {
    Q_OBJECT
public:
    using FormEsercizio::FormEsercizio;
    QStringList frasiPossibili() const override;

protected:
    void GeneraEsercizio() override;
    void rispondi(const QString&, int indice) override { Label3_Click(indice); }
    QStringList fraseAttuale() const override;

private:
    void Label3_Click(int Index);
    int16_t LatoGiusto = 0;  // the click area whose click is the right answer
};
