#include "framework/FormEsercizio.h"

#include "services/Messaggi.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Modulo1.h"
#include "services/Voce.h"

#include <QAction>

QString testoConteggio(int16_t n)
{
    return n < 0 ? QString::number(n) : ' ' + QString::number(n);
}

FormEsercizio::FormEsercizio(Catalogo::Id id) : Schermata(id)
{
    // Long enough for the screen to show first, short enough that the child is still looking.
    annuncio.setSingleShot(true);
    annuncio.setInterval(120);
    connect(&annuncio, &QTimer::timeout, this, [this] {
        if (caricata())
            Voce::parla(daDire(annuncioConBottoni));
    });
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

int16_t& FormEsercizio::contaEsatti() { return contiPropri() ? ContaEsatti : Modulo1::ContaEsatti; }
int16_t& FormEsercizio::contaErrati() { return contiPropri() ? ContaErrati : Modulo1::ContaErrati; }
int16_t FormEsercizio::esatti() const { return contiPropri() ? ContaEsatti : Modulo1::ContaEsatti; }
int16_t FormEsercizio::errati() const { return contiPropri() ? ContaErrati : Modulo1::ContaErrati; }

void FormEsercizio::Form_Load()
{
    Modulo1::AzzeraConteggio();
    if (contiPropri())
        ContaEsatti = ContaErrati = 0;
    mostraConteggi();
    LeggiFrasi();
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
    for (const Layout::Controllo& c : layout().controlli)
        if (c.risposta)
            risposte << controllo(c.nome, c.indice);
    return risposte;
}

void FormEsercizio::collega()
{
    for (const Layout::ComandoMenu& v : layout().menu) {
        QAction* a = comandoMenu(v.nome);
        switch (v.ruolo) {
        case Layout::Ruolo::Azzera: connect(a, &QAction::triggered, this, &FormEsercizio::mnuAzzera_Click); break;
        case Layout::Ruolo::Informazioni: connect(a, &QAction::triggered, this, &FormEsercizio::mnuInformazioni_Click); break;
        case Layout::Ruolo::Esci: connect(a, &QAction::triggered, this, &FormEsercizio::mnuEsci_Click); break;
        }
    }
    connect(pulsante("Command2"), &QAbstractButton::clicked, this, &FormEsercizio::avanti);
    connect(immagine("Altoparlante"), &Controlli::Immagine::click, this, &FormEsercizio::Altoparlante_Click);
    for (const Layout::Controllo& c : layout().controlli) {
        if (!c.risposta)
            continue;
        Controlli::suClic(controllo(c.nome, c.indice), this, [this, nome = c.nome, indice = c.indice] {
            rispondi(nome, indice);
        });
    }
}

void FormEsercizio::mostraConteggi()
{
    etichetta("EtichettaEsatti")->impostaTesto(QStringLiteral("0"));
    etichetta("EtichettaErrati")->impostaTesto(QStringLiteral("0"));
}

void FormEsercizio::abilitaRisposte(bool abilitate)
{
    for (QWidget* w : controlliRisposta())
        w->setEnabled(abilitate);
}

void FormEsercizio::Command2_Click()
{
    abilitaRisposte(true);
    pulsante("Command2")->setEnabled(false);
    GeneraEsercizio();
}

void FormEsercizio::passiGiusti(const std::function<void()>& chiudi)
{
    annuncio.stop();
    immagine("ComandoIconaSi")->setVisible(true);
    immagine("ComandoIconaNo")->setVisible(false);
    Modulo1::incrementa(contaEsatti());
    etichetta("EtichettaEsatti")->impostaTesto(testoConteggio(contaEsatti()));
    chiudi();
    ModuloColoriSuoni::SuonoGiusto();
    // The one-line and two-line screens decide about "avanti" themselves.
    if (!contiPropri())
        pulsante("Command2")->setEnabled(true);
}

void FormEsercizio::passiSbagliati()
{
    annuncio.stop();
    immagine("ComandoIconaNo")->setVisible(true);
    immagine("ComandoIconaSi")->setVisible(false);
    Modulo1::incrementa(contaErrati());
    etichetta("EtichettaErrati")->impostaTesto(testoConteggio(contaErrati()));
    ModuloColoriSuoni::SuonoSbagliato();
}

void FormEsercizio::mnuAzzera_Click()
{
    mostraConteggi();
    contaEsatti() = 0;
    contaErrati() = 0;
}

void FormEsercizio::mnuInformazioni_Click()
{
    Modulo1::MostraInformazioni(window());
}

void FormEsercizio::mnuEsci_Click()
{
    if (Messaggi::chiedi(window(), QString::fromUtf8("Vuoi tornare al menù?")))
        passa(Catalogo::Id::FormMenu);
}
