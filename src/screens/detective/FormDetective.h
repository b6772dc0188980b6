#pragma once
// "Il detective" 1 to 3: one screen type; the three differ only in the set of pictures.
#include "exercises/Detective.h"
#include "framework/FormEsercizio.h"

#include <array>

class FormDetective : public FormEsercizio {
    Q_OBJECT
public:
    FormDetective(const Profilo& s, Detective::Insieme insieme) : FormEsercizio(s), esercizio(insieme) {}
    const Detective& regole() const { return esercizio; }

    std::array<Controlli::Immagine*, 6> Image1{};  // the six figures: the answers
    Controlli::Etichetta* Label5 = nullptr;        // the description

protected:
    void lega(Legame& l) override;
    void collegaRisposte() override;
    void GeneraEsercizio() override;
    QStringList fraseAttuale() const override { return esercizio.frasi(); }

private:
    void Image1_Click(int Index);
    Detective esercizio;
};
