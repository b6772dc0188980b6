#pragma once
// The one loader of figure pictures. Each file is read once and kept; a file that is missing
// or unreadable gives an empty picture and one line on stderr naming it, never a dialog.
#include <QImage>

namespace Figure {

QImage carica(int numero);
// Forgets every picture read so far (tests, benchmarks of a cold start).
void svuotaCache();

// Pictures larger than this on either side are refused before they are decoded.
constexpr int LatoMassimo = 4096;

}  // namespace Figure
