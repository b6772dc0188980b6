#pragma once
#include "app/FormEsercizio.h"

// "Alla mia......    1": the child clicks the white square on the side where the figure
// says its kitten is; a right answer shows the kitten in that square.
class Form2 : public FormEsercizio {
    Q_OBJECT
public:
    Form2();
    void GeneraEsercizio();

protected:
    void Genera() override { GeneraEsercizio(); }
    QList<QWidget*> ControlliRisposta() const override;
    void CollegaRisposte() override;

private:
    void Label3_Click(int Index);
    int16_t LatoGiusto = 0;  // the square whose click is the right answer
};
