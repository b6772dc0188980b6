#include "screens/lines/FormDentroFuori1.h"

#include "framework/Legame.h"
#include "ui/Pulsante.h"

void FormDentroFuori1::legaRisposte(Legame& l)
{
    l(Command1, "Command1");
    l(Command3, "Command3");
}
