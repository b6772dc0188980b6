#include "screens/start/FormMenu.h"

#include "framework/Registro.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Modulo1.h"
#include "services/Voce.h"

void FormMenu::Form_Load()
{
    Modulo1::AzzeraConteggio();
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    mostraVoce();
}

// The loudspeaker shows whether the voice speaks: a plain one, or one crossed out.
void FormMenu::mostraVoce()
{
    immagine("InterruttoreVoce")->impostaDisegno(Voce::attiva() ? QStringLiteral("altoparlante") : QStringLiteral("muto"));
}

void FormMenu::InterruttoreVoce_Click()
{
    Voce::impostaAttiva(!Voce::attiva());
    mostraVoce();
}

void FormMenu::collega()
{
    connect(pulsante("Command1"), &QAbstractButton::clicked, this, &FormMenu::Command1_Click);
    connect(immagine("InterruttoreVoce"), &Controlli::Immagine::click, this, &FormMenu::InterruttoreVoce_Click);
    // Command2_Click to Command12_Click: each opens the screen the table gives its button.
    for (const Catalogo::Riga& v : Catalogo::righe())
        if (v.pulsante)
            connect(pulsante(v.pulsante), &QAbstractButton::clicked, this, [this, id = v.id] { passa(id); });
}

void FormMenu::Command1_Click()
{
    Registro::ConfermaUscita(window());
}
