#include "screens/start/FormMenu.h"

#include "framework/Registro.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Modulo1.h"

void FormMenu::Form_Load()
{
    Modulo1::AzzeraConteggio();
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
}

void FormMenu::collega()
{
    connect(pulsante("Command1"), &QAbstractButton::clicked, this, &FormMenu::Command1_Click);
    // Command2_Click to Command12_Click: each opens the screen the table gives its button.
    for (const Schermate::Voce& v : Schermate::tabella())
        if (v.pulsante)
            connect(pulsante(v.pulsante), &QAbstractButton::clicked, this, [this, id = v.id] { passa(id); });
}

void FormMenu::Command1_Click()
{
    Registro::ConfermaUscita(window());
}
