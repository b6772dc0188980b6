#include "screens/start/FormAvvio.h"

#include "framework/Legame.h"
#include "framework/Registro.h"
#include "services/ModuloColoriSuoni.h"
#include "ui/Pulsante.h"

void FormAvvio::Form_Load()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
}

void FormAvvio::lega(Legame& l)
{
    l(BottoneAvvio, "BottoneAvvio");
}

void FormAvvio::collega()
{
    connect(BottoneAvvio, &QAbstractButton::clicked, this, &FormAvvio::BottoneAvvio_Click);
}

void FormAvvio::BottoneAvvio_Click()
{
    Registro::passa(*this, Registro::menu());
}
