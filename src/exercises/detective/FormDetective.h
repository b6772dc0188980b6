#pragma once
#include "app/FormEsercizio.h"

// "Il detective" 1 to 3: one screen type; the three differ only in the set of pictures.
class FormDetective : public FormEsercizio {
    Q_OBJECT
public:
    enum class Insieme { DaDietro, DiFronte, UnoDeiDue };
    FormDetective(Schermate::Id id, Insieme insieme);
    void GeneraEsercizio();

protected:
    void Genera() override { GeneraEsercizio(); }

private:
    const Insieme insieme;
};
