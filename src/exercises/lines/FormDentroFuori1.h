#pragma once
#include "app/FormEsercizio.h"

class FormDentroFuori1 : public FormEsercizio {
    Q_OBJECT
public:
    FormDentroFuori1();

protected:
    void Genera() override { PreparaEsercizio(); }

private:
    void PreparaEsercizio();
};
