#include "app/FormEsercizio.h"

#include "app/Messaggi.h"
#include "app/ModuloColoriSuoni.h"
#include "app/Modulo1.h"

#include <QAction>

namespace {
QString NomeSchermo(Schermate::Id id)
{
    switch (id) {
    case Schermate::Id::Form1: return "Form1";
    case Schermate::Id::Form2: return "Form2";
    case Schermate::Id::Form3: return "Form3";
    case Schermate::Id::Form4: return "Form4";
    case Schermate::Id::Form5: return "Form5";
    case Schermate::Id::Form6: return "Form6";
    case Schermate::Id::Form7: return "Form7";
    case Schermate::Id::Form8: return "Form8";
    case Schermate::Id::Form9: return "Form9";
    case Schermate::Id::Form10: return "Form10";
    case Schermate::Id::FormDentroFuori1: return "FormDentroFuori1";
    default: return {};
    }
}
}  // namespace

QString TestoConteggio(int16_t n)
{
    return n < 0 ? QString::number(n) : ' ' + QString::number(n);
}

FormEsercizio::FormEsercizio(Schermate::Id id, bool contatoriPropri)
    : Schermata(id, Layout::Esercizio(NomeSchermo(id))), propri(contatoriPropri)
{
}

int16_t& FormEsercizio::contaEsatti() { return propri ? ContaEsatti : Modulo1::ContaEsatti; }
int16_t& FormEsercizio::contaErrati() { return propri ? ContaErrati : Modulo1::ContaErrati; }
int16_t FormEsercizio::esatti() const { return propri ? ContaEsatti : Modulo1::ContaEsatti; }
int16_t FormEsercizio::errati() const { return propri ? ContaErrati : Modulo1::ContaErrati; }

void FormEsercizio::Form_Load()
{
    Modulo1::AzzeraConteggio();
    if (propri)
        ContaEsatti = ContaErrati = 0;
    MostraConteggi();
    LeggiFrasi();
    Genera();
}

void FormEsercizio::Collega()
{
    for (const Layout::VoceMenu& v : progetto.menu) {
        QAction* a = voceMenu(v.nome);
        switch (v.ruolo) {
        case Layout::Ruolo::Azzera: connect(a, &QAction::triggered, this, &FormEsercizio::mnuAzzera_Click); break;
        case Layout::Ruolo::Informazioni: connect(a, &QAction::triggered, this, &FormEsercizio::mnuInformazioni_Click); break;
        case Layout::Ruolo::Esci: connect(a, &QAction::triggered, this, &FormEsercizio::mnuEsci_Click); break;
        }
    }
    connect(pulsante("Command2"), &QAbstractButton::clicked, this, &FormEsercizio::Command2_Click);
    CollegaRisposte();
}

void FormEsercizio::MostraConteggi()
{
    etichetta("EtichettaEsatti")->impostaTesto(QStringLiteral("0"));
    etichetta("EtichettaErrati")->impostaTesto(QStringLiteral("0"));
}

void FormEsercizio::AbilitaRisposte(bool abilitate)
{
    for (QWidget* w : ControlliRisposta())
        w->setEnabled(abilitate);
}

void FormEsercizio::Command2_Click()
{
    AbilitaRisposte(true);
    pulsante("Command2")->setEnabled(false);
    Genera();
}

void FormEsercizio::PassiGiusti(const std::function<void()>& chiudi)
{
    immagine("ComandoIconaSi")->setVisible(true);
    immagine("ComandoIconaNo")->setVisible(false);
    Modulo1::Incrementa(contaEsatti());
    etichetta("EtichettaEsatti")->impostaTesto(TestoConteggio(contaEsatti()));
    chiudi();
    ModuloColoriSuoni::SuonoGiusto();
    // The one-line and two-line screens decide about "avanti" themselves.
    if (!propri)
        pulsante("Command2")->setEnabled(true);
}

void FormEsercizio::PassiSbagliati()
{
    immagine("ComandoIconaNo")->setVisible(true);
    immagine("ComandoIconaSi")->setVisible(false);
    Modulo1::Incrementa(contaErrati());
    etichetta("EtichettaErrati")->impostaTesto(TestoConteggio(contaErrati()));
    ModuloColoriSuoni::SuonoSbagliato();
}

void FormEsercizio::mnuAzzera_Click()
{
    MostraConteggi();
    contaEsatti() = 0;
    contaErrati() = 0;
}

void FormEsercizio::mnuInformazioni_Click()
{
    Modulo1::MostraInformazioni(window());
}

void FormEsercizio::mnuEsci_Click()
{
    if (Messaggi::Chiedi(window(), QString::fromUtf8("Vuoi tornare al menù?")))
        Passa(Schermate::Id::FormMenu);
}
