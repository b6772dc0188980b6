#pragma once
// A screen: an object created the first time it is shown and kept until the program ends.
// Showing it builds its window and controls from its designed layout, binds them to the
// screen's typed members and runs Form_Load; unloading destroys the window and controls but
// keeps the object's own variables.
#include <QObject>
#include <QPointer>
#include <QVector>

#include "framework/Tastiera.h"
#include "ui/Layout.h"

class Finestra;
class Legame;
class QAction;
class QMainWindow;
class Tela;

// What a screen is told about itself by the catalogue that makes it: its profile.
struct Profilo {
    int id = -1;                              // its number in the catalogue
    const Layout::Schermo* layout = nullptr;  // its designed controls, its frame's included
    // An exercise counts in the pair that Form1 to Form9 share, or in a pair of its own.
    enum class Conti { Condivisi, Propri } conti = Conti::Condivisi;
    // "avanti" is opened by the frame at every right answer, or by the screen when it decides.
    enum class Avanti { DallaCornice, DallaSchermata } avanti = Avanti::DallaCornice;
};

class Schermata : public QObject {
    Q_OBJECT
public:
    explicit Schermata(const Profilo& profilo);
    ~Schermata() override;

    int id() const { return profilo.id; }
    // The designed layout the screen is built from.
    const Layout::Schermo& layout() const { return progetto; }
    void Show();
    void Unload();
    bool caricata() const { return !finestra.isNull(); }

    QMainWindow* window() const;
    Tela* tela() const { return canvas; }
    uint32_t sfondo() const;
    void impostaSfondo(uint32_t bbggrr);

    // The controls as built, by their place in layout().controlli, and the menu bar's items by
    // their place in layout().menu: for the frame's own data-driven work and for tests.
    QWidget* costruito(int posto) const { return controlli.value(posto); }
    QAction* comando(int posto) const { return comandi.value(posto); }

protected:
    virtual void Form_Load() {}
    // The window is about to go: what the screen started with it ends here.
    virtual void Form_Unload() {}
    // Binds the typed members of the frame around the screen, and then the screen's own, to the
    // freshly built controls (and, at unload, back to null).
    virtual void legaCornice(Legame&) {}
    virtual void lega(Legame&) {}
    // Connects the freshly built controls to the screen's handlers.
    virtual void collega() {}
    // Keys reach the window (no control takes the focus) and go through the layout's keys;
    // a mouse press hides the keyboard cursor.
    bool eventFilter(QObject* o, QEvent* e) override;

    const Profilo profilo;
    const Layout::Schermo& progetto;

private:
    void costruisci();
    void figureAllaMisura();

    QPointer<Finestra> finestra;
    Tela* canvas = nullptr;
    QVector<QWidget*> controlli;  // in the layout's order
    QVector<QAction*> comandi;    // in the layout's order
    Tastiera tastiera;
};
