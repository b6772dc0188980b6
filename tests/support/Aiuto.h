#pragma once
// What the tests share, one meaning per name: a fresh program with a scripted random source and
// a player that records what it is asked to play, real clicks, answers to message boxes, and
// what the child sees of an exercise. Tests reach the program's internals only through here.
#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "Catalogo.h"
#include "framework/Finestra.h"
#include "framework/FormEsercizio.h"
#include "framework/Registro.h"
#include "framework/Schermata.h"
#include "services/Casuale.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Sensori.h"
#include "ui/Colori.h"
#include "ui/Etichetta.h"
#include "ui/Evidenza.h"
#include "ui/Immagine.h"
#include "ui/Linea.h"
#include "ui/Pulsante.h"
#include "ui/Riquadro.h"

using Catalogo::Id;

class LettoreRegistratore : public ModuloColoriSuoni::Lettore {
public:
    void suona(const QString& percorso) override { suonati << percorso; }
    void accoda(const QString& percorso) override { accodati << percorso; }
    void ferma() override { ++fermate; }
    QStringList nomi() const;  // the files asked for with suona, without their folder
    QStringList suonati;
    QStringList accodati;  // the voice's sentences
    int fermate = 0;
};

// The clock switch play steps by, driven by the test: nothing happens until it is moved on.
class OrologioFinto : public Sensori::Orologio {
public:
    OrologioFinto() { Sensori::impostaOrologio(this); }
    ~OrologioFinto() override { Sensori::impostaOrologio(nullptr); }
    qint64 adesso() const override { return ora; }
    void punta(Sensori::Sveglia& s, qint64 quando) override { sveglie[&s] = quando; }
    void spegni(Sensori::Sveglia& s) override { sveglie.remove(&s); }
    // On by `ms`: every wake-up due by then rings, in the order of its time.
    void avanza(qint64 ms);

private:
    qint64 ora = 0;
    QHash<Sensori::Sveglia*, qint64> sveglie;
};

// A fresh program: no screen object, counts at 0, played without switches, the scripted source,
// clock and recording player installed, and 1.gif .. 56.gif in a folder of its own (each a flat colour telling its number).
class Ambiente {
public:
    explicit Ambiente(bool conFigure = true);
    ~Ambiente();
    OrologioFinto orologio;  // first, so that it outlives the screens
    void copione(std::initializer_list<double> r) { casuale.aggiungi(r); }
    Casuale::Copione casuale;
    LettoreRegistratore lettore;
    QTemporaryDir cartella;
};

// The r that makes Int(r * k) give i.
inline double estrai(int i, int k) { return (i + 0.5) / k; }

void scriviFigureDiProva(const QString& cartella);
// The pose a test picture shows; 0 when none.
int posaMostrata(const QImage& immagine);

// A left click in the middle of `w` (or at `punto`), as the child's mouse would do it.
void clicca(QWidget* w);
void clicca(QWidget* w, QPoint punto);

// Answers the next message box with `bottone`, keeping what it showed.
struct Domanda {
    QString testo, titolo, predefinito;
    QStringList bottoni;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    bool vista = false;
};
std::shared_ptr<Domanda> rispondiAlProssimo(QMessageBox::StandardButton bottone);
// Runs `fai` in the next message box, once it is open.
void nelProssimo(std::function<void(QMessageBox*)> fai);

// Keys as written in a menu, one after the other ("Left Return Shift+Tab"), each where the
// keyboard sends it: the open question, or the window of the screen.
void premiTasti(const QString& tasti);

Schermata& apri(Id id);
Schermata& schermo(Id id);
inline Id id(const Schermata& s) { return Id(s.id()); }
// The screens whose windows are open, and the first of them in the catalogue (nullptr: none:
// the program has ended).
int aperte();
Schermata* aperta();

// A control by its designed name, "Nome" or "Nome(3)", or by name and index; null when the
// screen has none. Tests find controls by the layout's names; the program binds them once.
QWidget* controllo(Schermata& s, const QString& chiave);
QWidget* controllo(Schermata& s, const QString& nome, int indice);
template <class T>
T* di(Schermata& s, const QString& nome, int indice = -1)
{
    T* t = qobject_cast<T*>(controllo(s, nome, indice));
    if (!t)
        qFatal("%s has no %s of that kind", qPrintable(s.layout().nome), qPrintable(Layout::chiave(nome, indice)));
    return t;
}
inline Controlli::Etichetta* etichetta(Schermata& s, const QString& n, int i = -1) { return di<Controlli::Etichetta>(s, n, i); }
inline Controlli::Immagine* immagine(Schermata& s, const QString& n, int i = -1) { return di<Controlli::Immagine>(s, n, i); }
inline Controlli::Pulsante* pulsante(Schermata& s, const QString& n, int i = -1) { return di<Controlli::Pulsante>(s, n, i); }
inline Controlli::Riquadro* riquadro(Schermata& s, const QString& n, int i = -1) { return di<Controlli::Riquadro>(s, n, i); }
// A menu bar item by its designed name ("mnuEsci").
QAction* comandoMenu(Schermata& s, const QString& nome);
inline FormEsercizio& esercizio(Schermata& s) { return static_cast<FormEsercizio&>(s); }

// The eleven exercises, in the table's order, and the answer controls of each (their layout's marks).
const QList<Id>& esercizi();
QStringList chiaviRisposta(Id id);
QList<QWidget*> risposte(Schermata& s);

// What the child sees of an exercise's frame, in one line:
// "si|no|both|none <Esatti>/<Errati> avanti:<0|1> risposte:<one digit per answer control>".
QString quadro(Schermata& s);

int eseguiTest(int argc, char** argv, QObject* test);
#define BUSSOLINO_TEST_MAIN(Classe)               \
    int main(int argc, char** argv)               \
    {                                             \
        QApplication app(argc, argv);             \
        Classe test;                              \
        return eseguiTest(argc, argv, &test);     \
    }

// The indexes of the control array `nome` whose pictures show.
QList<int> mostrati(Schermata& s, const QString& nome);

// How well one colour reads on another, measured as the WCAG does: 1 (not at all) to 21 (black on white).
double contrasto(const QColor& a, const QColor& b);
