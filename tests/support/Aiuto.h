#pragma once
// What the tests share: a scripted random source, a player that records what it is asked
// to play, a folder of figure pictures made on the spot, real clicks on real widgets, and
// an answer to the next message box.
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "services/Casuale.h"
#include "services/ModuloColoriSuoni.h"
#include "framework/Registro.h"

class Schermata;
class QApplication;

class LettoreRegistratore : public ModuloColoriSuoni::Lettore {
public:
    void suona(const QString& percorso) override { suonati << percorso; }
    void accoda(const QString& percorso) override { accodati << percorso; }
    void ferma() override { ++fermate; }
    // The file names asked for with `suona`, without their folder.
    QStringList nomi() const;
    QStringList suonati;
    QStringList accodati;  // the voice's sentences
    int fermate = 0;
};

// A fresh program for each test: empty screens, pose table filled, counters at 0, the
// scripted random source and the recording player installed, pictures in a folder of its own.
class Ambiente {
public:
    explicit Ambiente(bool conFigure = true);
    ~Ambiente();
    Casuale::Copione casuale;
    LettoreRegistratore lettore;
    QTemporaryDir cartella;
};

// Writes 1.gif .. 56.gif into `cartella`/gif: each a flat colour that tells its number.
void ScriviFigureDiProva(const QString& cartella);
QColor ColoreDiProva(int numero);
// The pose number a test picture shows, from its colour; 0 when none.
int NumeroDaImmagine(const QImage& immagine);

// A left click in the middle of `w` (or at `punto`), as the child's mouse would do it.
void Clicca(QWidget* w);
void Clicca(QWidget* w, QPoint punto);

// Answers the next modal message box with `bottone`; its text and buttons are kept.
struct Risposta {
    QString testo;
    QString titolo;
    QStringList bottoni;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QString predefinito;
    bool vista = false;
};
std::shared_ptr<Risposta> RispondiAlProssimo(QMessageBox::StandardButton bottone);

Schermata& Apri(Schermate::Id id);

// Runs a test class with a real QApplication prepared as the program prepares it.
int EseguiTest(int argc, char** argv, QObject* test);
#define BUSSOLINO_TEST_MAIN(Classe)                      \
    int main(int argc, char** argv)                      \
    {                                                    \
        QApplication app(argc, argv);                    \
        Classe test;                                     \
        return EseguiTest(argc, argv, &test);            \
    }
