#pragma once
// The title screen: the program's name and "Avvio", which opens the menu.
#include "framework/Schermata.h"

namespace Controlli {
class Pulsante;
}

class FormAvvio : public Schermata {
    Q_OBJECT
public:
    using Schermata::Schermata;

    Controlli::Pulsante* BottoneAvvio = nullptr;  // "Avvio"

protected:
    void Form_Load() override;
    void lega(Legame& l) override;
    void collega() override;

private:
    void BottoneAvvio_Click();
};
