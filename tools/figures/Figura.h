#pragma once
// Draws one figure of the pose table: a child standing on white, facing the child at the
// screen (poses 1 to 28) or seen from behind (29 to 56).
#include <QImage>

namespace Figura {

inline constexpr int Lato = 600;

enum class Vista { DiFronte, DiSpalle };

// A pose as it appears in the picture: which arm stands on the picture's left and which on
// its right. Arm codes as in the pose table: 1 up and out, 2 out sideways, 3 straight up,
// 4 down along the body.
struct Posa {
    Vista vista;
    bool gambeUnite;
    int braccioASinistra;
    int braccioADestra;
};

// Row n of the pose table, turned into what
// the picture shows: facing, the figure's own right arm is on the picture's left; from
// behind it is on the picture's right.
Posa dallaTabella(int n);

// A Lato x Lato picture in the flat colours of Tavolozza, drawn without anti-aliasing.
QImage disegna(const Posa& posa);

}  // namespace Figura
