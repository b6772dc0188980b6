#pragma once
// The command line, read before any display is opened: --help and --version answer wherever the
// program is started, a mistake is named with the usage, and what the program needs to start
// (the voice off, the display to open, the worksheets asked for) is handed on.
#include "services/Sensori.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace Catalogo {
enum class Id;
}

namespace Opzioni {

// How many items of each exercise a worksheet may hold, and how many it holds unless told.
constexpr int QuanteMinimo = 1, QuanteMassimo = 200, QuanteDiSolito = 6;

// What --schede asks for: worksheets to print.
struct Schede {
    QList<Catalogo::Id> esercizi;  // in the order named, each once; none: the teacher's window
    int quante = QuanteDiSolito;   // items of each exercise
    bool soluzioni = false;        // a last page of answers
    bool nome = true;              // the line for the name and class on top
    std::optional<quint64> seme;   // the sheet's number; none: a new one (each page prints it)
    QString file;                  // the PDF to write; empty: the teacher's window
};

struct Scelte {
    bool senzaVoce = false;
    Sensori::Modo sensori = Sensori::Modo::Nessuno;  // played with switches: none, two or one
    double ritmo = Sensori::RitmoDiSolito;           // one switch: seconds between two steps
    QString display;      // -display, for the message when it cannot be opened
    QString piattaforma;  // -platform
    std::optional<Schede> schede;
};

// Reads the arguments (the program's name first). Returns the status to end with when the
// command line has been answered (0: help or version printed on stdout; 2: a mistake, said on
// stderr with the usage), or nothing when the program should start.
std::optional<int> leggi(const QStringList& argomenti, Scelte& scelte);
// The same, straight from main's arguments, before any QCoreApplication exists.
std::optional<int> leggi(int argc, char** argv, Scelte& scelte);

// The one line that says which display could not be opened.
QString displayMancante(const Scelte& scelte);

}  // namespace Opzioni
