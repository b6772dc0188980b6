#pragma once
#include "app/FormEsercizio.h"

#include <QString>

// The screens that describe a pose in words ("Vero e falso", "Il detective"): each keeps its
// own list of arm fragments, indexed by arm code, filled anew at every opening.
class FormConFrasi : public FormEsercizio {
    Q_OBJECT
public:
    using FormEsercizio::FormEsercizio;
    void LeggiFrasi() override;

protected:
    QString Frasi[11];
};
