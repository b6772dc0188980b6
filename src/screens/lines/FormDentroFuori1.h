#pragma once
// "A destra di......  1": one animal in a white field split by a green line; the child says
// whether it is to the right ("DESTRA") or the left ("SINISTRA") of the line. The background is
// light cyan.
#include "screens/lines/FormRighe.h"

class FormDentroFuori1 : public FormRighe {
    Q_OBJECT
public:
    explicit FormDentroFuori1(const Profilo& s) : FormRighe(s, Righe::unaRiga()) {}

    Controlli::Pulsante* Command1 = nullptr;  // "DESTRA"
    Controlli::Pulsante* Command3 = nullptr;  // "SINISTRA"

protected:
    void legaRisposte(Legame& l) override;
    QList<Controlli::Pulsante*> pulsanti() const override { return {Command1, Command3}; }
};
