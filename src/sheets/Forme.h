#pragma once
// Each family's paper form: how an item of it is drawn for a child holding a pencil (the screen's
// pictures and sentence, and boxes to cross or figures to circle), how many fit a page, the one
// line that says how to answer, and how its right answer reads in the key.
#include <QHash>
#include <QImage>
#include <QRectF>
#include <QString>

#include "sheets/Carta.h"
#include "sheets/Quesiti.h"

namespace Forme {

// The figures by number, as their files hold them.
using Immagini = QHash<int, QImage>;

struct Modello {
    int colonne, righe;        // items on a page
    const char* istruzione;    // how to answer, on every page
    double larghezzaChiave;    // the width of one answer in the key, in points
};
const Modello& modello(Quesiti::Forma forma);

// An item inside its cell, whose frame the page draws.
void disegna(Carta::Pagina& carta, const Immagini& figure, const QRectF& cella, const Quesiti::Quesito& q);
// Its number and right answer in the key, in the rectangle given.
void chiave(Carta::Pagina& carta, const QRectF& posto, const Quesiti::Quesito& q);

}  // namespace Forme
