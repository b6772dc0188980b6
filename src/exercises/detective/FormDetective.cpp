#include "exercises/detective/FormDetective.h"

FormDetective::FormDetective(Schermate::Id id, Insieme insieme) : FormEsercizio(id, false), insieme(insieme) {}

void FormDetective::GeneraEsercizio() {}
