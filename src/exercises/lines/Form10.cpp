#include "exercises/lines/Form10.h"

Form10::Form10() : FormEsercizio(Schermate::Id::Form10, true) {}

void Form10::PreparaEsercizio() {}
