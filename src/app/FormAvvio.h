#pragma once
#include "app/Schermata.h"

// The title screen: the program's name and "Avvio", which opens the menu.
class FormAvvio : public Schermata {
    Q_OBJECT
public:
    FormAvvio();

protected:
    void Form_Load() override;
    void Collega() override;

private:
    void BottoneAvvio_Click();
};
