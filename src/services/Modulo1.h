#pragma once
// The program's shared data and shared procedures: the answer counters of Form1 to Form9,
// the pose table, and the information box.
#include <cstdint>

class QWidget;

// A pair of answer counters: right and wrong answers since it was last set to 0. Each stops at the
// top of the 16-bit range instead of wrapping round to a negative count.
struct Conteggio {
    static constexpr int16_t Massimo = 32767;
    int16_t ContaEsatti = 0;
    int16_t ContaErrati = 0;

    void azzera() { ContaEsatti = ContaErrati = 0; }
    void esatto() { ContaEsatti = ContaEsatti < Massimo ? int16_t(ContaEsatti + 1) : Massimo; }
    void errato() { ContaErrati = ContaErrati < Massimo ? int16_t(ContaErrati + 1) : Massimo; }
};

namespace Modulo1 {

// Right and wrong answers on the exercise screen that is open (Form1 to Form9).
extern Conteggio conteggio;

// The pose table, indexed by pose number: rows 1 to 28 show the figure facing the child,
// 29 to 56 the same figures from behind; rows 0 and 57 to 60 stay empty.
constexpr int RigheTabella = 61;
constexpr int NumeroPose = 56;

struct Posa {
    bool gambeUnite = false;
    int16_t braccioDestro = 0;
    int16_t braccioSinistro = 0;
};

inline constexpr Posa TabellaPose[RigheTabella] = {
    {},
    {false, 1, 1}, {true, 2, 2},  {true, 1, 1},  {false, 2, 2}, {false, 2, 2}, {false, 1, 2}, {true, 2, 1},
    {true, 1, 2},  {false, 3, 1}, {false, 1, 3}, {true, 3, 1},  {true, 1, 3},  {false, 3, 2}, {false, 2, 3},
    {true, 3, 2},  {true, 2, 3},  {false, 4, 1}, {false, 1, 4}, {true, 4, 2},  {true, 2, 4},  {true, 4, 1},
    {true, 1, 4},  {false, 4, 2}, {false, 2, 4}, {false, 3, 4}, {false, 4, 3}, {true, 3, 4},  {true, 4, 3},
    {false, 1, 1}, {true, 2, 2},  {true, 1, 1},  {false, 2, 2}, {false, 2, 2}, {false, 2, 1}, {true, 1, 2},
    {true, 2, 1},  {false, 1, 3}, {false, 3, 1}, {true, 1, 3},  {true, 3, 1},  {false, 2, 3}, {false, 3, 2},
    {true, 2, 3},  {true, 3, 2},  {false, 1, 4}, {false, 4, 1}, {true, 2, 4},  {true, 4, 2},  {true, 1, 4},
    {true, 4, 1},  {false, 2, 4}, {false, 4, 2}, {false, 4, 3}, {false, 3, 4}, {true, 4, 3},  {true, 3, 4},
    {}, {}, {}, {},
};

// True: the figure of pose n stands with its legs together.
constexpr bool GambeUnite(int n) { return TabellaPose[n].gambeUnite; }
// The arm codes (1 to 4) of the figure's own right and left arm in pose n.
constexpr int16_t BraccioDestro(int n) { return TabellaPose[n].braccioDestro; }
constexpr int16_t BraccioSinistro(int n) { return TabellaPose[n].braccioSinistro; }

// Sets the pair of Form1 to Form9 back to 0.
void AzzeraConteggio();

// The about box, modal on top of `padre`.
void MostraInformazioni(QWidget* padre);

// What the information box says about the maker.
inline constexpr const char* NomeAutore = "Bussolino";
inline constexpr const char* IndirizzoWeb = "www.bussolino.example.org";
inline constexpr const char* IndirizzoPosta = "bussolino@example.org";

}  // namespace Modulo1
