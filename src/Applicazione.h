#pragma once
// The program's start and end: what it sets up once before its first screen (the carried fonts,
// the Italian texts of the standard buttons "Sì" and "No"), Main, which shows the title, and
// what it closes, in order, as the event loop returns.
#include "Opzioni.h"

class QApplication;

namespace Applicazione {
// First thing in main, before any thread: where no session bus can be reached and none can be
// started, says so to the D-Bus library at once (see the .cpp for why).
void nessunBusDaAvviare();
// The worksheets are made by a program of their own, lib/bussolino-schede beside this one, so that
// the game never loads what printing needs: it runs in this process's place with the same
// arguments. Returns only when it cannot be started: the status to end with, said on stderr.
int apriSchede(char** argv);
// True when the session bus has no address, no socket at its usual place in the runtime
// folder, and the helper that would start one is not installed.
bool busIrraggiungibile(const char* indirizzo, const char* cartellaRuntime, const char* avviatore);
// Around the application's connection to the display: Qt's complaints meanwhile are held back, and
// a display that cannot be opened ends the program with one line on stderr (which display) and
// status 1, not Qt's abort. Once it is open, what Qt said is passed on.
void primaDelDisplay(const Opzioni::Scelte& scelte);
void dopoIlDisplay();
void prepara(QApplication& app, const Opzioni::Scelte& scelte = {});
// Qt's own words in Italian: "Sì" and "No", and the dialogs Qt draws itself.
void traduciQt(QApplication& app);
// Seeds the one random source from the clock and shows the title screen.
void Main();
// Every window, the sound player and every thread of the program's own, while the application
// still exists: nothing runs on into the program's end.
void chiudi();
}  // namespace Applicazione
