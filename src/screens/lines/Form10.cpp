#include "screens/lines/Form10.h"

#include "framework/Legame.h"
#include "ui/Pulsante.h"

void Form10::legaRisposte(Legame& l)
{
    l(Command1, "Command1");
    l(Command3, "Command3");
    l(Command4, "Command4");
    l(Command5, "Command5");
}
