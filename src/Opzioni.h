#pragma once
// The command line, read before any display is opened: --help and --version answer wherever the
// program is started, a mistake is named with the usage, and what the program needs to start
// (the voice off, the display to open) is handed on.
#include <QString>
#include <QStringList>
#include <optional>

namespace Opzioni {

struct Scelte {
    bool senzaVoce = false;
    QString display;      // -display, for the message when it cannot be opened
    QString piattaforma;  // -platform
};

// Reads the arguments (the program's name first). Returns the status to end with when the
// command line has been answered (0: help or version printed on stdout; 2: a mistake, said on
// stderr with the usage), or nothing when the program should start.
std::optional<int> leggi(const QStringList& argomenti, Scelte& scelte);

// The one line that says which display could not be opened.
QString displayMancante(const Scelte& scelte);

}  // namespace Opzioni
