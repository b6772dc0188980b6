#pragma once
// Colours as the design writes them, 0xBBGGRR with blue in the high byte, and the ink that reads
// on each.
#include <QColor>
#include <cstdint>

class QWidget;

namespace Controlli {

QColor colore(uint32_t bbggrr);
// Black or white, whichever reads better on `sfondo`.
QColor inchiostroSu(const QColor& sfondo);
// A colour of its own behind `w`, or none (Layout::Nessuno): then what lies behind shows through.
void riempiSfondo(QWidget* w, uint32_t bbggrr);

}  // namespace Controlli
