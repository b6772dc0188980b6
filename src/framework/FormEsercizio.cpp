#include "framework/FormEsercizio.h"

#include "framework/Legame.h"
#include "framework/Registro.h"
#include "services/Messaggi.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Voce.h"
#include "ui/Clic.h"
#include "ui/Etichetta.h"
#include "ui/Immagine.h"
#include "ui/Pulsante.h"

#include <QAction>
#include <QMainWindow>

QString testoConteggio(int16_t n)
{
    return n < 0 ? QString::number(n) : ' ' + QString::number(n);
}

FormEsercizio::FormEsercizio(const Profilo& s) : Schermata(s)
{
    if (s.conti == Profilo::Conti::Propri)
        propri.emplace();
    // Long enough for the screen to show first, short enough that the child is still looking.
    annuncio.setSingleShot(true);
    annuncio.setInterval(120);
    connect(&annuncio, &QTimer::timeout, this, [this] {
        if (caricata())
            Voce::parla(daDire(annuncioConBottoni));
    });
}

const Conteggio& FormEsercizio::conteggio() const
{
    return propri ? *propri : Modulo1::conteggio;
}

Conteggio& FormEsercizio::conti()
{
    return propri ? *propri : Modulo1::conteggio;
}

void FormEsercizio::legaCornice(Legame& l)
{
    l(EtichettaEsatti, "EtichettaEsatti");
    l(EtichettaErrati, "EtichettaErrati");
    l(ComandoIconaSi, "ComandoIconaSi");
    l(ComandoIconaNo, "ComandoIconaNo");
    l(Command2, "Command2");
    l(Altoparlante, "Altoparlante");
}

QStringList FormEsercizio::daDire(bool conBottoni) const
{
    QStringList frasi = fraseAttuale();
    if (conBottoni && !bottoni().isEmpty())
        frasi.prepend(bottoni());
    return frasi;
}

void FormEsercizio::annuncia(bool conBottoni)
{
    annuncioConBottoni = conBottoni;
    annuncio.start();
}

void FormEsercizio::avanti()
{
    Command2_Click();
    annuncia(false);
}

void FormEsercizio::Altoparlante_Click()
{
    annuncio.stop();
    Voce::parla(daDire(true), true);
}

void FormEsercizio::Form_Load()
{
    Modulo1::AzzeraConteggio();
    if (propri)
        propri->azzera();
    mostraConteggi();
    GeneraEsercizio();
    annuncia(true);
}

void FormEsercizio::Form_Unload()
{
    annuncio.stop();
    Voce::taci();
}

QList<QWidget*> FormEsercizio::controlliRisposta() const
{
    QList<QWidget*> risposte;
    for (int i = 0; i < layout().controlli.size(); ++i)
        if (layout().controlli[i].risposta)
            risposte << costruito(i);
    return risposte;
}

void FormEsercizio::collega()
{
    for (int i = 0; i < layout().menu.size(); ++i) {
        QAction* a = comando(i);
        switch (layout().menu[i].ruolo) {
        case Layout::Ruolo::Azzera: connect(a, &QAction::triggered, this, &FormEsercizio::mnuAzzera_Click); break;
        case Layout::Ruolo::Informazioni: connect(a, &QAction::triggered, this, &FormEsercizio::mnuInformazioni_Click); break;
        case Layout::Ruolo::Esci: connect(a, &QAction::triggered, this, &FormEsercizio::mnuEsci_Click); break;
        }
    }
    connect(Command2, &QAbstractButton::clicked, this, &FormEsercizio::avanti);
    connect(Altoparlante, &Controlli::Immagine::click, this, &FormEsercizio::Altoparlante_Click);
    collegaRisposte();
}

void FormEsercizio::mostraConteggi()
{
    EtichettaEsatti->impostaTesto(QStringLiteral("0"));
    EtichettaErrati->impostaTesto(QStringLiteral("0"));
}

void FormEsercizio::abilitaRisposte(bool abilitate)
{
    for (QWidget* w : controlliRisposta())
        w->setEnabled(abilitate);
}

void FormEsercizio::Command2_Click()
{
    abilitaRisposte(true);
    Command2->setEnabled(false);
    GeneraEsercizio();
}

void FormEsercizio::passiGiusti(const std::function<void()>& chiudi)
{
    annuncio.stop();
    ComandoIconaSi->setVisible(true);
    ComandoIconaNo->setVisible(false);
    conti().esatto();
    EtichettaEsatti->impostaTesto(testoConteggio(conteggio().ContaEsatti));
    chiudi();
    ModuloColoriSuoni::SuonoGiusto();
    if (profilo.avanti == Profilo::Avanti::DallaCornice)
        Command2->setEnabled(true);
}

void FormEsercizio::passiSbagliati()
{
    annuncio.stop();
    ComandoIconaNo->setVisible(true);
    ComandoIconaSi->setVisible(false);
    conti().errato();
    EtichettaErrati->impostaTesto(testoConteggio(conteggio().ContaErrati));
    ModuloColoriSuoni::SuonoSbagliato();
}

void FormEsercizio::giudica(bool giusta)
{
    if (giusta)
        passiGiusti([this] { abilitaRisposte(false); });
    else
        passiSbagliati();
}

void FormEsercizio::mnuAzzera_Click()
{
    mostraConteggi();
    conti().azzera();
}

void FormEsercizio::mnuInformazioni_Click()
{
    Modulo1::MostraInformazioni(window());
}

void FormEsercizio::mnuEsci_Click()
{
    if (Messaggi::chiedi(window(), QString::fromUtf8("Vuoi tornare al menù?")))
        Registro::passa(*this, Registro::menu());
}
