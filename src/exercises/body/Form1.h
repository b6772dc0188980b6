#pragma once
#include "app/FormEsercizio.h"

// "Su di me ": the figure asks to be clicked on its own right or left side.
class Form1 : public FormEsercizio {
    Q_OBJECT
public:
    Form1();
    void GeneraEsercizio();

protected:
    void Genera() override { GeneraEsercizio(); }
    QList<QWidget*> ControlliRisposta() const override;
    void CollegaRisposte() override;

private:
    void Label3_Click(int Index);
    int16_t LatoGiusto = 0;  // the click area whose click is the right answer
};
