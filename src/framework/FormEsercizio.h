#pragma once
// The frame every exercise screen shares: the two counts, the two faces, "avanti" and the
// menu bar (reset, information, back to the menu), the answer controls marked in the layout,
// and the steps of every right and every wrong answer. Each exercise adds its own controls,
// its build procedure and its judging.
#include "framework/Schermata.h"
#include "services/Modulo1.h"

#include <QList>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

namespace Controlli {
class Etichetta;
class Immagine;
class Pulsante;
}  // namespace Controlli

class FormEsercizio : public Schermata {
    Q_OBJECT
public:
    explicit FormEsercizio(const Profilo& profilo);

    // The pair the screen counts in: Modulo1's, or its own (see Profilo::conti).
    const Conteggio& conteggio() const;

    // The controls the layout marks as answers, in layout order.
    QList<QWidget*> controlliRisposta() const;

    // The frame's controls, bound when the window is built.
    Controlli::Etichetta* EtichettaEsatti = nullptr;  // the right answers' count
    Controlli::Etichetta* EtichettaErrati = nullptr;  // the wrong answers' count
    Controlli::Immagine* ComandoIconaSi = nullptr;    // the laughing face, after a right answer
    Controlli::Immagine* ComandoIconaNo = nullptr;    // the sad face, after a wrong answer
    Controlli::Pulsante* Command2 = nullptr;          // "avanti": the next exercise
    Controlli::Immagine* Altoparlante = nullptr;      // says the exercise's sentence again

protected:
    void Form_Load() override;
    // The screen's voice ends with it, whichever way it is left.
    void Form_Unload() override;
    void legaCornice(Legame& l) override;
    // The frame's own controls; each screen connects its answers in its collegaRisposte.
    void collega() final;
    virtual void collegaRisposte() = 0;

    // Builds the next exercise.
    virtual void GeneraEsercizio() = 0;
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
    // The one or the other for an answer judged, a right one closing every answer control.
    void giudica(bool giusta);
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
    Conteggio& conti();
    void mostraConteggi();

    QTimer annuncio;  // the short wait before the voice speaks a new exercise
    bool annuncioConBottoni = false;
    std::optional<Conteggio> propri;  // the screen's own pair, when it has one
};

// How a count reads after an answer: a blank in the place of the sign, then the digits.
QString testoConteggio(int16_t n);
