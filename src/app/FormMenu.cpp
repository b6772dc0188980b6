#include "app/FormMenu.h"

#include "app/ModuloColoriSuoni.h"
#include "app/Modulo1.h"

namespace {
struct Voce {
    const char* pulsante;
    Schermate::Id apre;
};
constexpr Voce Esercizi[] = {
    {"Command2", Schermate::Id::Form1},   {"Command3", Schermate::Id::Form2},
    {"Command4", Schermate::Id::Form3},   {"Command5", Schermate::Id::Form4},
    {"Command6", Schermate::Id::Form5},   {"Command7", Schermate::Id::Form6},
    {"Command8", Schermate::Id::Form7},   {"Command9", Schermate::Id::Form8},
    {"Command10", Schermate::Id::Form9},  {"Command11", Schermate::Id::FormDentroFuori1},
    {"Command12", Schermate::Id::Form10},
};
}  // namespace

FormMenu::FormMenu() : Schermata(Schermate::Id::FormMenu, Layout::Menu()) {}

void FormMenu::Form_Load()
{
    Modulo1::AzzeraConteggio();
    ImpostaSfondo(ModuloColoriSuoni::ColoreCasuale());
}

void FormMenu::Collega()
{
    connect(pulsante("Command1"), &QAbstractButton::clicked, this, &FormMenu::Command1_Click);
    for (const Voce& v : Esercizi) {
        const Schermate::Id apre = v.apre;
        connect(pulsante(v.pulsante), &QAbstractButton::clicked, this, [this, apre] { Passa(apre); });
    }
}

void FormMenu::Command1_Click()
{
    Modulo1::ConfermaUscita(window());
}
