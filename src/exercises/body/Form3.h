#pragma once
#include "app/FormEsercizio.h"

class Form3 : public FormEsercizio {
    Q_OBJECT
public:
    Form3();
    void GeneraEsercizio();

protected:
    void Genera() override { GeneraEsercizio(); }
};
