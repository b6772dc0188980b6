#include "exercises/truefalse/FormVeroFalso.h"

FormVeroFalso::FormVeroFalso(Schermate::Id id, int quante, int aggiunta)
    : FormEsercizio(id, false), quante(quante), aggiunta(aggiunta)
{
}

void FormVeroFalso::GeneraEsercizio() {}
