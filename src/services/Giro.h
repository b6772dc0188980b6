#pragma once
// A round of stops for one or two switches on one window: Space steps it (two switches) or a
// clock does (one switch), Enter or Space presses the stop it is on, and the voice says each
// stop's words.
#include "services/Sensori.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

namespace Sensori {

// The words a stop says when the cursor stops on it: its caption (buttons, menu bar items);
// empty for a picture.
QString parole(const QObject* tappa);
bool premibile(const QObject* tappa);

// A round of stops on one window: where the cursor is, where it can go, and what a press does
// are the owner's; when to step, what to say and what a press presses are the round's.
class Giro {
public:
    struct Fermate {
        std::function<QList<QObject*>()> tappe;  // what a press would answer now, in order
        std::function<QObject*()> dove;          // the stop the cursor is on
        std::function<void(QObject*)> vai;       // the cursor onto that stop, shown
        std::function<void(QObject*)> premi;     // presses it; may start the round again, or end it
        std::function<bool()> sotto = [] { return false; };  // another window stands over this one
    };
    explicit Giro(Fermate f);

    // The cursor on `primo`; its words once the screen's own sentence is over, then the steps.
    void avvia(QObject* primo);
    void ferma();
    bool acceso() const { return inGiro; }
    // Space and Enter: true when the round takes the key.
    bool tasto(int k);

private:
    void sveglio();
    void passo(bool automatico);
    void premi(QObject* tappa);
    void dici(QObject* tappa);
    void prossimoPasso();

    Fermate f;
    Sveglia sveglia;
    bool inGiro = false;
    bool ascolto = false;  // waiting for the screen's sentence to be over
    int generazione = 0;
    QPointer<QObject> lasciata;  // what the last automatic step left, and when
    qint64 lasciataAlle = 0;
};

}  // namespace Sensori
