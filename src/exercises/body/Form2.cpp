#include "exercises/body/Form2.h"

Form2::Form2() : FormEsercizio(Schermate::Id::Form2, false) {}

void Form2::GeneraEsercizio() {}
