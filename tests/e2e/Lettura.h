#pragma once
// Reading a screenshot as a child reads the screen: which face shows, which colour the
// background is, which pose a test picture stands for, which words a label shows.
#include <QImage>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "ui/Layout.h"

namespace Lettura {

// The background colours of the list, written 0xBBGGRR as in the design.
bool ColoreDellElenco(QRgb c);
QRgb Rgb(uint32_t bbggrr);
QString Nome(QRgb c);  // "#RRGGBB", for messages

// The test's figure pictures: one flat colour per pose number.
QRgb ColorePosa(int numero);
int PosaDaColore(QRgb c);  // 0 when no pose has that colour

enum class Faccia { Nessuna, Ride, Triste };
// In the box of the two faces: the laughing face is yellow with a red mouth, the sad one has none.
Faccia LeggiFaccia(const QImage& riquadro);
QString Nome(Faccia f);

// Pixels of `regione` farther than `distanza` from `colore`.
int Diversi(const QImage& regione, QRgb colore, int distanza = 60);

// "avanti" shows its blue arrow only when it can be clicked.
bool AvantiAttivo(const QImage& bottone, QRgb sfondo);

// The candidate whose words, drawn as the label draws them, best cover what the label shows.
struct Letto {
    QString testo;
    double somiglianza = 0;  // 0 to 1
    double seconda = 0;      // the next best candidate's
    QPoint scarto;           // where the words stand against where the model drew them
};
// `scarto`: where the words must stand; without it they are lined up by their ink.
Letto LeggiTesto(const QImage& regione, QRgb sfondo, const Layout::Controllo& etichetta,
                 const QStringList& candidati, std::optional<QPoint> scarto = {});

// A count label: "0", or a blank and the digits (" 1"). The same digits without the blank are
// among the candidates: read with the place where "0" stood on opening, a missing blank shows.
Letto LeggiConteggio(const QImage& regione, QRgb sfondo, const Layout::Controllo& etichetta,
                     std::optional<QPoint> scarto = {});

// Where the coloured icon of a message box button lies (Yes and OK: green; No: red).
QPoint IconaVerde(const QImage& riquadro);
QPoint IconaRossa(const QImage& riquadro);

}  // namespace Lettura
