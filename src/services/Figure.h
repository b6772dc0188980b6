#pragma once
// The one loader of figure pictures. A figure is kept only at the size it is shown at, never at
// its file's 600 x 600: all 56 at the size of the screens that show several at once, and all 56
// compressed at the largest size a screen shows one at, both made ahead of need on a worker
// thread; at any other size only by the control showing it. A file
// that is missing or unreadable gives an empty picture and one line on stderr naming it and the
// reason, never a dialog.
#include <QImage>
#include <QList>
#include <QSize>

namespace Figure {

// The figure ready to show: at the prepared size when there is one (decoded now if the worker
// has not reached it yet), else at its file's size. It carries its number, so an image control
// given it re-makes it from the file at the control's own size (see sulSchermo).
QImage carica(int numero);

// The figure at exactly `dimensione` device pixels, made from the file when not kept already.
QImage sulSchermo(int numero, QSize dimensione);

// The size of the screens that show several figures at once, where all 56 are kept ready, and
// the largest size a screen shows one figure at, where all 56 are kept compressed.
struct Dimensioni {
    QSize pronta;
    QSize riserva;
};
// The size at which all 56 figures are kept ready; true when it changed (those ready at the old
// size are let go; nothing is made yet). impostaDimensioni has both worked out only when a
// figure is first wanted, not while the program starts.
bool impostaDimensionePronta(QSize dimensione);
void impostaDimensioni(Dimensioni (*calcola)());
// The compressed copies are kept large enough for `dimensione` too (a window made larger), or
// back at the designed size; true when that changed (the old copies are let go; nothing is made yet).
bool impostaDimensioneRiserva(QSize dimensione);
// The size of a screen that shows several figures at once: the one most of `misure` share, when
// at least two do; else an invalid size.
QSize misuraComune(const QList<QSize>& misure);
// Decodes every figure not yet ready at that size on a worker thread, when the program is idle.
void preparaInAnticipo();
// Waits until the worker is done (tests and benchmarks that want the state after a moment of play).
void attendiPreparazione();

// Forgets every picture made so far and every complaint (tests, benchmarks of a cold start).
void svuotaCache();

// Pictures larger than this on either side are refused before they are decoded.
constexpr int LatoMassimo = 4096;

}  // namespace Figure
