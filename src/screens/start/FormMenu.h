#pragma once
#include "framework/Schermata.h"

// The main menu: one button for every exercise of the table of screens, and "Esci".
class FormMenu : public Schermata {
    Q_OBJECT
public:
    using Schermata::Schermata;

protected:
    void Form_Load() override;
    void collega() override;

private:
    void Command1_Click();
    void InterruttoreVoce_Click();
    void mostraVoce();
};
