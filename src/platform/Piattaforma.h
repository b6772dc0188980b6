#pragma once
// What differs from one operating system to another, as a handful of functions: each system has a
// folder of its own (platform/linux/, platform/windows/) that defines them, and the build takes one.
// Nothing of ours is included here, so every layer of the program may use it.
#include <QString>
#include <QStringList>

class QFile;
class QImage;
class QSize;

namespace Piattaforma {

// The program's arguments as the system passed them, names and paths with every letter they hold.
QStringList argomenti(int argc, char** argv);

// The sound player of the program in `cartella`; and the folder of the game from the folder of its
// worksheet maker. Each system keeps the helpers where its own loader looks for their libraries.
QString fileLettore(const QString& cartella);
QString cartellaDelGioco(const QString& cartellaSchede);
// Runs the worksheet maker in this program's place with the same arguments. Returns only when it
// cannot be started, or on systems where it runs beside this one, when it has ended: the status
// to end with.
int eseguiSchede(char** argv);

// Qt's platform for windows on a desktop, and the line that says none could be opened there
// (`display`: the one asked for on the command line, if any).
QString piattaformaFinestre();
QString finestraImpossibile(const QString& display);

// Read on a thread of its own while Qt connects to the display: the system's font configuration,
// where Qt would otherwise read it at the first text.
void leggiConfigurazioneCaratteri();
// Once the title has painted: how the memory allocator hands back what it frees.
void dopoIlTitolo();
// Gives the system back the pages the allocator holds free, inside its heaps as well as at their
// ends (a screen's controls, once freed, leave holes all over the heap).
void restituisciMemoria();

// Opens a file to read; empty, or why it cannot be read ("not found", "permission denied",
// "not a picture: a folder", the system's words).
QString apriInLettura(const QString& percorso, QFile& file);

// The carried drawings: their files' ending in the resources, and one drawn at the largest size
// that fits `riquadro` with its proportions (null when it cannot be read).
QString estensioneDisegni();
QImage disegno(const QString& percorso, QSize riquadro);

}  // namespace Piattaforma
