#pragma once
#include "app/FormEsercizio.h"

class Form2 : public FormEsercizio {
    Q_OBJECT
public:
    Form2();
    void GeneraEsercizio();

protected:
    void Genera() override { GeneraEsercizio(); }
};
