#pragma once
#include "app/FormEsercizio.h"

class Form10 : public FormEsercizio {
    Q_OBJECT
public:
    Form10();

protected:
    void Genera() override { PreparaEsercizio(); }

private:
    void PreparaEsercizio();
};
