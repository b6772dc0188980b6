#pragma once
#include "framework/Schermata.h"

// The title screen: the program's name and "Avvio", which opens the menu.
class FormAvvio : public Schermata {
    Q_OBJECT
public:
    using Schermata::Schermata;

protected:
    void Form_Load() override;
    void collega() override;

private:
    void BottoneAvvio_Click();
};
