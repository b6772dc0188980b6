#pragma once
#include "app/FormEsercizio.h"

// An exercise screen that shows its frame and designed controls but no exercise yet.
class FormCornice : public FormEsercizio {
    Q_OBJECT
public:
    FormCornice(Schermate::Id id, bool contatoriPropri) : FormEsercizio(id, contatoriPropri) {}

protected:
    void Genera() override {}
};
