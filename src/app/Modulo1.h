#pragma once
// The program's shared data and shared procedures: the answer counters of Form1 to Form9,
// the pose table, and the start-up, information and quit procedures.
#include <cstdint>

class QWidget;

namespace Modulo1 {

// Right and wrong answers on the exercise screen that is open (Form1 to Form9).
extern int16_t ContaEsatti;
extern int16_t ContaErrati;

// The pose table, indexed by pose number; rows 1 to 56 are filled, 0 and 57 to 60 stay empty.
constexpr int RigheTabella = 61;
constexpr int NumeroPose = 56;
extern bool GambeUnite[RigheTabella];
extern int16_t BraccioDestro[RigheTabella];
extern int16_t BraccioSinistro[RigheTabella];

void InizializzaTabella();
void AzzeraConteggio();

// One more answer, stopping at the top of the 16-bit range instead of wrapping round.
void Incrementa(int16_t& conteggio);

// The about box and the menu's quit question, modal on top of `padre`.
void MostraInformazioni(QWidget* padre);
void ConfermaUscita(QWidget* padre);

// Start-up: seeds the random source, fills the pose table, shows the title screen.
void Main();

// What the information box says about the maker.
inline constexpr const char* NomeAutore = "Bussolino";
inline constexpr const char* IndirizzoWeb = "www.bussolino.example.org";
inline constexpr const char* IndirizzoPosta = "bussolino@example.org";

}  // namespace Modulo1
