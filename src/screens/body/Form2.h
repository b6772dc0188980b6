#pragma once
// "Alla mia......    1": the child clicks the white square on the side where the figure says its
// kitten is; a right answer shows the kitten in that square.
#include "exercises/Corpo.h"
#include "framework/FormEsercizio.h"

#include <array>

namespace Controlli {
class Riquadro;
}

class Form2 : public FormEsercizio {
    Q_OBJECT
public:
    explicit Form2(const Profilo& s) : FormEsercizio(s) {}
    const Corpo& regole() const { return esercizio; }

    Controlli::Immagine* Image1 = nullptr;                // the figure
    std::array<Controlli::Etichetta*, 2> Label3{};        // the squares left and right of it: the answers
    std::array<Controlli::Riquadro*, 2> PictureGatto{};   // the kitten in each square
    Controlli::Etichetta* Label5 = nullptr;               // the sentence

protected:
    void lega(Legame& l) override;
    void collegaRisposte() override;
    void GeneraEsercizio() override;
    QStringList fraseAttuale() const override { return esercizio.domanda(); }

private:
    void Label3_Click(int Index);
    Corpo esercizio{Corpo::Tipo::Micetto};
};
