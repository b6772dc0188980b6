#pragma once
// The main menu: "Esci", the voice switch, and one button for every exercise of the catalogue,
// each made from the catalogue with the screen it opens.
#include "framework/Schermata.h"

namespace Controlli {
class Immagine;
class Pulsante;
}  // namespace Controlli

class FormMenu : public Schermata {
    Q_OBJECT
public:
    using Schermata::Schermata;

    Controlli::Pulsante* Command1 = nullptr;          // "Esci"
    Controlli::Immagine* InterruttoreVoce = nullptr;  // the voice on and off

protected:
    void Form_Load() override;
    void lega(Legame& l) override;
    void collega() override;

private:
    void Command1_Click();
    void InterruttoreVoce_Click();
    void mostraVoce();
};
