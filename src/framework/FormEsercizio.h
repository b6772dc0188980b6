#pragma once
// The frame every exercise screen shares: the two counts, the two faces, "avanti" and the
// menu bar (reset, information, back to the menu), the answer controls marked in the layout,
// and the steps of every right and every wrong answer. Each exercise adds its own controls,
// its build procedure and its judging.
#include "framework/Schermata.h"

#include <QList>
#include <cstdint>
#include <functional>

class FormEsercizio : public Schermata {
    Q_OBJECT
public:
    explicit FormEsercizio(Schermate::Id id);

    int16_t esatti() const;
    int16_t errati() const;

    // The screen's own pair, for the screens whose frame counts on its own.
    int16_t ContaEsatti = 0;
    int16_t ContaErrati = 0;

    // The controls the layout marks as answers, in layout order.
    QList<QWidget*> controlliRisposta() const;

protected:
    void Form_Load() override;
    void collega() override;

    // Builds the next exercise.
    virtual void GeneraEsercizio() = 0;
    virtual void LeggiFrasi() {}
    // A click on the answer control `nome`(`indice`): the screen judges it.
    virtual void rispondi(const QString& nome, int indice) = 0;
    // "avanti"; by default: answers enabled, "avanti" disabled, next exercise.
    virtual void Command2_Click();

    // The steps of a right answer; `chiudi` is the screen's own step that closes the exercise.
    void passiGiusti(const std::function<void()>& chiudi);
    void passiSbagliati();
    void abilitaRisposte(bool abilitate);

    void mnuAzzera_Click();
    void mnuInformazioni_Click();
    void mnuEsci_Click();

private:
    bool contiPropri() const { return layout().cornice == Layout::Cornice::B; }
    int16_t& contaEsatti();
    int16_t& contaErrati();
    void mostraConteggi();
};

// How a count reads after an answer: a blank in the place of the sign, then the digits.
QString testoConteggio(int16_t n);
