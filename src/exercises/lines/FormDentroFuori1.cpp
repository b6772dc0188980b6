#include "exercises/lines/FormDentroFuori1.h"

FormDentroFuori1::FormDentroFuori1() : FormEsercizio(Schermate::Id::FormDentroFuori1, true) {}

void FormDentroFuori1::PreparaEsercizio() {}
