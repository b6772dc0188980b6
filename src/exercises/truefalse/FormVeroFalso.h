#pragma once
#include "app/FormEsercizio.h"

// "Vero e falso" 1 to 3: one screen type; the three differ only in the range of the pose draw.
class FormVeroFalso : public FormEsercizio {
    Q_OBJECT
public:
    // One attempt draws Int(r * quante) + 1, then adds `aggiunta`.
    FormVeroFalso(Schermate::Id id, int quante, int aggiunta);
    void GeneraEsercizio();

protected:
    void Genera() override { GeneraEsercizio(); }

private:
    const int quante;
    const int aggiunta;
};
