#include "screens/start/FormAvvio.h"

#include "services/ModuloColoriSuoni.h"

void FormAvvio::Form_Load()
{
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
}

void FormAvvio::collega()
{
    connect(pulsante("BottoneAvvio"), &QAbstractButton::clicked, this, &FormAvvio::BottoneAvvio_Click);
}

void FormAvvio::BottoneAvvio_Click()
{
    passa(Catalogo::Id::FormMenu);
}
