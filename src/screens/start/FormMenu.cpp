#include "screens/start/FormMenu.h"

#include "framework/Legame.h"
#include "framework/Registro.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Modulo1.h"
#include "services/Voce.h"

#include <QMainWindow>
#include "ui/Immagine.h"
#include "ui/Pulsante.h"

void FormMenu::Form_Load()
{
    Modulo1::AzzeraConteggio();
    impostaSfondo(ModuloColoriSuoni::ColoreCasuale());
    mostraVoce();
}

void FormMenu::lega(Legame& l)
{
    l(Command1, "Command1");
    l(InterruttoreVoce, "InterruttoreVoce");
}

// The loudspeaker shows whether the voice speaks: a plain one, or one crossed out.
void FormMenu::mostraVoce()
{
    InterruttoreVoce->impostaDisegno(Voce::attiva() ? QStringLiteral("altoparlante") : QStringLiteral("muto"));
}

void FormMenu::InterruttoreVoce_Click()
{
    Voce::impostaAttiva(!Voce::attiva());
    mostraVoce();
}

void FormMenu::collega()
{
    connect(Command1, &QAbstractButton::clicked, this, &FormMenu::Command1_Click);
    connect(InterruttoreVoce, &Controlli::Immagine::click, this, &FormMenu::InterruttoreVoce_Click);
    // Command2_Click to Command12_Click: each opens the screen its layout says.
    for (int i = 0; i < layout().controlli.size(); ++i)
        if (const int id = layout().controlli[i].apre; id >= 0)
            connect(static_cast<Controlli::Pulsante*>(costruito(i)), &QAbstractButton::clicked, this, [this, id] { Registro::passa(*this, id); });
}

void FormMenu::Command1_Click()
{
    Registro::ConfermaUscita(window());
}
