#pragma once
#include "framework/FormEsercizio.h"

// The two line screens ("A destra di......" 1 and 2): one animal at a time in a white field cut
// by coloured lines, drawn anew at every exercise; they keep their own counts and background.
class FormRighe : public FormEsercizio {
    Q_OBJECT
public:
    FormRighe(Catalogo::Id id, int numeroAnimali);

protected:
    void GeneraEsercizio() override { PreparaEsercizio(); }
    void Command2_Click() override;
    void PreparaEsercizio();

    int16_t Posizione = 1;  // the animal on show, 1 to the number of animals

private:
    const int numeroAnimali;
};
