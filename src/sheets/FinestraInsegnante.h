#pragma once
// The teacher's window: which exercises to print, how many items of each, the name line and the
// key, the number of a sheet to print again, a preview, then the system's print dialog or a PDF
// file. Plain widgets, for a grown-up.
#include <QList>
#include <QWidget>
#include <optional>
#include <utility>

#include "Opzioni.h"
#include "sheets/Schede.h"

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

class FinestraInsegnante : public QWidget {
    Q_OBJECT
public:
    // Starts from what the command line asked for: the exercises named, the options given.
    explicit FinestraInsegnante(const Opzioni::Schede& iniziali = {});

    // The sheets the window is set to make, with the number typed in, if any.
    Opzioni::Schede richiesta() const;
    // The number the next sheets are drawn from: the one typed in, else a new one, drawn again
    // once they have been printed or saved.
    quint64 numero() const;
    // Writes them to `file`; false, having said why, when it could not.
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
    void anteprima();
    void salva();
    // The sheets to make, their figures read; nothing, having said why, when one is missing.
    std::optional<Schede::Documento> documento(const QString& titolo, const QString& mancato);
    // After sheets went out: what went, and a new number unless one was typed in.
    void fatto(const QString& detto);
    // After the printer was given them: what it made of them.
    void stampate(const Schede::Documento& d, bool accettate);

    QList<std::pair<Catalogo::Id, QCheckBox*>> esercizi;
    QSpinBox* quante;
    QCheckBox* nome;
    QCheckBox* soluzioni;
    QLineEdit* numeroScritto;
    quint64 nuovo;
    QLabel* riepilogo;
    QLabel* esito;
    QPushButton* bottoneStampa;
    QPushButton* bottoneAnteprima;
    QPushButton* bottoneSalva;
};
