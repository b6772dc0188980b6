#pragma once
// "Su di me ": the figure asks to be clicked on its own right or left side.
#include "exercises/Corpo.h"
#include "framework/FormEsercizio.h"

#include <array>

class Form1 : public FormEsercizio {
    Q_OBJECT
public:
    explicit Form1(const Profilo& s) : FormEsercizio(s) {}
    const Corpo& regole() const { return esercizio; }

    Controlli::Immagine* Image1 = nullptr;          // the figure
    std::array<Controlli::Etichetta*, 2> Label3{};  // its left and right halves: the answers
    Controlli::Etichetta* Label5 = nullptr;         // the sentence

protected:
    void lega(Legame& l) override;
    void collegaRisposte() override;
    void GeneraEsercizio() override;
    QStringList fraseAttuale() const override { return esercizio.domanda(); }

private:
    void Label3_Click(int Index);
    Corpo esercizio{Corpo::Tipo::SuDiMe};
};
