#pragma once
#include "framework/FormEsercizio.h"

#include <QString>

// The screens that describe a pose in words ("Vero e falso", "Il detective"): each keeps its
// own list of arm fragments, indexed by arm code, filled anew at every opening.
class FormConFrasi : public FormEsercizio {
    Q_OBJECT
public:
    using FormEsercizio::FormEsercizio;

    // The fragment of each arm code, 1 to 4.
    static constexpr const char* Frammenti[5] = {"", "APERTO VERSO L'ALTO", "VERSO L'ESTERNO", "IN ALTO", "IN BASSO"};

protected:
    void LeggiFrasi() override;
    QString Frasi[11];
};
