#pragma once
// The words for an arm's position, by its code in the pose table, as the exercises that describe
// a pose say them ("Vero e falso", "Il detective"); code 0 has none.
#include <array>

inline constexpr std::array<const char*, 5> Frasi = {"", "APERTO VERSO L'ALTO", "VERSO L'ESTERNO", "IN ALTO", "IN BASSO"};
