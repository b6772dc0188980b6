#pragma once
// The teacher's window: which exercises to print, how many items of each, the name line and the
// key, then the system's print dialog or a PDF file. Plain widgets, for a grown-up.
#include <QList>
#include <QWidget>
#include <utility>

#include "Opzioni.h"

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

class FinestraInsegnante : public QWidget {
    Q_OBJECT
public:
    // Starts from what the command line asked for: the exercises named, the options given.
    explicit FinestraInsegnante(const Opzioni::Schede& iniziali = {});

    // The sheets the window is set to make.
    Opzioni::Schede richiesta() const;
    // Writes them to `file` (a new draw each time); false, having said why, when it could not.
    bool salvaIn(const QString& file);

private:
    // The parts of the window, top to bottom.
    void intestazione(QVBoxLayout* tutto);
    QGroupBox* sceltaEsercizi(const Opzioni::Schede& iniziali);
    QFormLayout* opzioni(const Opzioni::Schede& iniziali);
    QHBoxLayout* bottoniInFondo();

    void segnaTutti(bool si);
    void aggiorna();
    void stampa();
    void salva();

    QList<std::pair<Catalogo::Id, QCheckBox*>> esercizi;
    QSpinBox* quante;
    QCheckBox* nome;
    QCheckBox* soluzioni;
    QLabel* riepilogo;
    QLabel* esito;
    QPushButton* bottoneStampa;
    QPushButton* bottoneSalva;
};
