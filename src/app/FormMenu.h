#pragma once
#include "app/Schermata.h"

// The main menu: eleven exercise buttons and "Esci".
class FormMenu : public Schermata {
    Q_OBJECT
public:
    FormMenu();

protected:
    void Form_Load() override;
    void Collega() override;

private:
    void Command1_Click();
};
