#pragma once
// "Alla mia......    2": one small object stands beside the figure; the child finishes
// "E' ALLA MIA" with "DESTRA" or "SINISTRA", speaking for the figure.
#include "exercises/Corpo.h"
#include "framework/FormEsercizio.h"

#include <array>

namespace Controlli {
class Riquadro;
}

class Form3 : public FormEsercizio {
    Q_OBJECT
public:
    explicit Form3(const Profilo& s) : FormEsercizio(s) {}
    const Corpo& regole() const { return esercizio; }

    Controlli::Immagine* Image1 = nullptr;                              // the figure
    std::array<Controlli::Riquadro*, Corpo::NumeroOggetti> Picture1{};  // the objects, one shown
    Controlli::Pulsante* Command1 = nullptr;                            // "DESTRA"
    Controlli::Pulsante* Command3 = nullptr;                            // "SINISTRA"

protected:
    void lega(Legame& l) override;
    void collegaRisposte() override;
    void GeneraEsercizio() override;
    QStringList fraseAttuale() const override { return esercizio.domanda(); }
    QString bottoni() const override { return esercizio.bottoni(); }

private:
    void Command1_Click() { rispondi(Corpo::RispostaDestra); }
    void Command3_Click() { rispondi(Corpo::RispostaSinistra); }
    void rispondi(int risposta);
    Corpo esercizio{Corpo::Tipo::Oggetto};
};
