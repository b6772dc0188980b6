#pragma once
// "A destra di...... 2": one animal in a white field cut by a yellow line on the left and a
// green one on the right; the child places it against both lines, one pair of buttons per line,
// in either order. The background is light violet.
#include "screens/lines/FormRighe.h"

class Form10 : public FormRighe {
    Q_OBJECT
public:
    explicit Form10(const Profilo& s) : FormRighe(s, Righe::dueRighe()) {}

    Controlli::Pulsante* Command1 = nullptr;  // "A DESTRA DEL GIALLO"
    Controlli::Pulsante* Command3 = nullptr;  // "A SINISTRA DEL GIALLO"
    Controlli::Pulsante* Command4 = nullptr;  // "A DESTRA DEL VERDE"
    Controlli::Pulsante* Command5 = nullptr;  // "A SINISTRA DEL VERDE"

protected:
    void legaRisposte(Legame& l) override;
    QList<Controlli::Pulsante*> pulsanti() const override { return {Command1, Command3, Command4, Command5}; }
};
