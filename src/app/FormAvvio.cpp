#include "app/FormAvvio.h"

#include "app/ModuloColoriSuoni.h"

FormAvvio::FormAvvio() : Schermata(Schermate::Id::FormAvvio, Layout::Avvio()) {}

void FormAvvio::Form_Load()
{
    ImpostaSfondo(ModuloColoriSuoni::ColoreCasuale());
}

void FormAvvio::Collega()
{
    connect(pulsante("BottoneAvvio"), &QAbstractButton::clicked, this, &FormAvvio::BottoneAvvio_Click);
}

void FormAvvio::BottoneAvvio_Click()
{
    Passa(Schermate::Id::FormMenu);
}
