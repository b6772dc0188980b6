#pragma once
#include "framework/FormEsercizio.h"

// "Alla mia......    1": the child clicks the white square on the side where the figure
// says its kitten is; a right answer shows the kitten in that square.
class Form2 : public FormEsercizio {
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
    int16_t LatoGiusto = 0;  // the square whose click is the right answer
};
