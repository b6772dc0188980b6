#pragma once
// The frame every exercise screen shares: the two counts, the two faces, "avanti" and the
// menu bar (reset, information, back to the menu), the answer controls marked in the layout,
// and the steps of every right and every wrong answer. Each exercise adds its own controls,
// its build procedure and its judging.
#include "framework/Schermata.h"

#include <QList>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <functional>

class FormEsercizio : public Schermata {
    Q_OBJECT
public:
    explicit FormEsercizio(Catalogo::Id id);

    int16_t esatti() const;
    int16_t errati() const;

    // The screen's own pair, for the screens whose frame counts on its own.
    int16_t ContaEsatti = 0;
    int16_t ContaErrati = 0;

    // The controls the layout marks as answers, in layout order.
    QList<QWidget*> controlliRisposta() const;

    // Every sentence the screen can show or say, by the voice's keys (the text as shown, or a
    // key of Voce for what is only spoken).
    virtual QStringList frasiPossibili() const = 0;

protected:
    void Form_Load() override;
    // The screen's voice ends with it, whichever way it is left.
    void Form_Unload() override;
    void collega() override;

    // Builds the next exercise.
    virtual void GeneraEsercizio() = 0;
    virtual void LeggiFrasi() {}
    // A click on the answer control `nome`(`indice`): the screen judges it.
    virtual void rispondi(const QString& nome, int indice) = 0;
    // "avanti"; by default: answers enabled, "avanti" disabled, next exercise.
    virtual void Command2_Click();

    // What the voice says of the exercise on show, shortly after it appears and again at the
    // loudspeaker; and, for screens whose answers are written on buttons, the sentence that
    // names them by colour and place, said first when the screen opens.
    virtual QStringList fraseAttuale() const = 0;
    virtual QString bottoni() const { return {}; }

    // The steps of a right answer; `chiudi` is the screen's own step that closes the exercise.
    void passiGiusti(const std::function<void()>& chiudi);
    void passiSbagliati();
    void abilitaRisposte(bool abilitate);

    void mnuAzzera_Click();
    void mnuInformazioni_Click();
    void mnuEsci_Click();

private:
    void avanti();
    void annuncia(bool conBottoni);
    // The exercise's sentences, after the names of its answer buttons if asked.
    QStringList daDire(bool conBottoni) const;
    void Altoparlante_Click();

    QTimer annuncio;  // the short wait before the voice speaks a new exercise
    bool annuncioConBottoni = false;
    bool contiPropri() const { return layout().cornice == Layout::Cornice::B; }
    int16_t& contaEsatti();
    int16_t& contaErrati();
    void mostraConteggi();
};

// How a count reads after an answer: a blank in the place of the sign, then the digits.
QString testoConteggio(int16_t n);
