#include "exercises/body/Form3.h"

Form3::Form3() : FormEsercizio(Schermate::Id::Form3, false) {}

void Form3::GeneraEsercizio() {}
