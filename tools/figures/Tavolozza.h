#pragma once
// The few flat colours of the figure pictures. Every pixel of every picture is one of them,
// so the pictures scale without colour bands and the tests can tell the parts apart by colour.
// The sleeves have their own colour, different from the shirt, so that an arm held down along
// the body still stands out from it.
#include <QRgb>
#include <array>

namespace Tavolozza {

inline constexpr QRgb Sfondo = qRgb(255, 255, 255);
inline constexpr QRgb Contorno = qRgb(46, 36, 56);
inline constexpr QRgb Pelle = qRgb(255, 211, 179);
inline constexpr QRgb Guance = qRgb(255, 150, 150);
inline constexpr QRgb Capelli = qRgb(142, 75, 36);
inline constexpr QRgb Maglia = qRgb(255, 201, 60);
inline constexpr QRgb Maniche = qRgb(232, 70, 60);
inline constexpr QRgb Pantaloni = qRgb(61, 111, 214);
inline constexpr QRgb Scarpe = qRgb(90, 53, 39);
inline constexpr QRgb Bocca = qRgb(176, 40, 56);
inline constexpr QRgb Ombra = qRgb(233, 230, 240);

// A GIF colour table has a power-of-two size; the unused places repeat the background.
inline constexpr std::array<QRgb, 16> Colori = {
    Sfondo, Contorno, Pelle, Guance, Capelli, Maglia, Maniche, Pantaloni,
    Scarpe, Bocca, Ombra, Sfondo, Sfondo, Sfondo, Sfondo, Sfondo,
};

}  // namespace Tavolozza
