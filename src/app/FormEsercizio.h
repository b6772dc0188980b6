#pragma once
// The frame every exercise screen shares: the two counts, the two faces, "avanti" and the
// menu bar (reset, information, back to the menu), and the steps of every right and every
// wrong answer. Each exercise adds its own controls, its build procedure and its judging.
#include "app/Schermata.h"

#include <QList>
#include <cstdint>
#include <functional>

class FormEsercizio : public Schermata {
    Q_OBJECT
public:
    // `contatoriPropri`: the screen counts in a pair of its own instead of the shared one.
    FormEsercizio(Schermate::Id id, bool contatoriPropri);

    int16_t esatti() const;
    int16_t errati() const;

    // The screen's own pair (used only by screens that count on their own).
    int16_t ContaEsatti = 0;
    int16_t ContaErrati = 0;

protected:
    void Form_Load() override;
    void Collega() override;

    // Builds the next exercise: GeneraEsercizio or PreparaEsercizio.
    virtual void Genera() = 0;
    virtual void LeggiFrasi() {}
    // The answer controls that "avanti" enables again.
    virtual QList<QWidget*> ControlliRisposta() const { return {}; }
    // "avanti"; by default: answers enabled, "avanti" disabled, next exercise.
    virtual void Command2_Click();
    // Connects the screen's own answer controls.
    virtual void CollegaRisposte() {}

    // The steps of a right answer; `chiudi` is the screen's own step that closes the exercise.
    void PassiGiusti(const std::function<void()>& chiudi);
    void PassiSbagliati();
    void AbilitaRisposte(bool abilitate);

    void mnuAzzera_Click();
    void mnuInformazioni_Click();
    void mnuEsci_Click();

private:
    int16_t& contaEsatti();
    int16_t& contaErrati();
    void MostraConteggi();
    const bool propri;
};

// How a count reads after an answer: a blank in the place of the sign, then the digits.
QString TestoConteggio(int16_t n);
