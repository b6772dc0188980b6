#pragma once
// A screen: an object created the first time it is shown and kept until the program ends.
// Showing it builds its window and controls from its designed layout and runs Form_Load;
// unloading destroys the window and controls but keeps the object's own variables.
#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include "Catalogo.h"
#include "ui/Controlli.h"
#include "ui/Layout.h"

class Tela;
class QAction;

class Finestra : public QMainWindow {
    Q_OBJECT
public:
    explicit Finestra(QWidget* padre = nullptr);

signals:
    void chiusa();  // closed through the window frame

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
};

// The size a window opens at: its designed client area and menu bar, or, on a screen whose
// free area (less the window manager's frame) is smaller, the client area scaled down to fit,
// proportions kept; the canvas scales the controls with it.
QSize misuraNelloSchermo(QSize client, int barra, const QRect& libero, const QMargins& cornice);

class Schermata : public QObject {
    Q_OBJECT
public:
    explicit Schermata(Catalogo::Id id);
    ~Schermata() override;

    Catalogo::Id id() const { return identita; }
    // The designed layout the screen is built from.
    const Layout::Schermo& layout() const { return progetto; }
    void Show();
    void Unload();
    bool caricata() const { return !finestra.isNull(); }

    QMainWindow* window() const { return finestra; }
    Tela* tela() const { return canvas; }
    uint32_t sfondo() const;
    void impostaSfondo(uint32_t bbggrr);

    // The controls, by their designed name and index.
    QWidget* controllo(const QString& nome, int indice = -1) const;
    Controlli::Etichetta* etichetta(const QString& nome, int indice = -1) const;
    Controlli::Immagine* immagine(const QString& nome, int indice = -1) const;
    Controlli::Pulsante* pulsante(const QString& nome, int indice = -1) const;
    Controlli::Riquadro* riquadro(const QString& nome, int indice = -1) const;
    QAction* comandoMenu(const QString& nome) const;

protected:
    virtual void Form_Load() {}
    // The window is about to go: what the screen started with it ends here.
    virtual void Form_Unload() {}
    // Keys reach the window (no control takes the focus) and go through the layout's keys;
    // a mouse press hides the keyboard cursor.
    bool eventFilter(QObject* o, QEvent* e) override;
    // Connects the freshly built controls to the screen's handlers.
    virtual void collega() {}

    // Shows the target screen, then unloads this one.
    void passa(Catalogo::Id destinazione);

    const Layout::Schermo& progetto;

private:
    void costruisci();
    void figureAllaMisura();
    bool tasto(int k, Qt::KeyboardModifiers mod);
    bool usaTasto(int k);
    QList<QWidget*> tappe() const;  // in reading order
    void spostaCursore(int k);
    void mostraCursore();

    Catalogo::Id identita;
    QPointer<Finestra> finestra;
    Tela* canvas = nullptr;
    QHash<QString, QWidget*> controlli;
    QHash<QString, QAction*> voci;
    QPointer<QWidget> cursore;  // the stop the keyboard cursor is on
    Controlli::Evidenza* evidenza = nullptr;
};
