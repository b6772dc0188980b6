#pragma once
// The program's start: what it sets up once before its first screen (the carried fonts, the
// Italian texts of the standard buttons "Sì" and "No"), and Main, which shows the title.
class QApplication;

namespace Applicazione {
// First thing in main, before any thread: where no session bus can be reached and none can be
// started, says so to the D-Bus library at once (see the .cpp for why).
void nessunBusDaAvviare();
// True when the session bus has no address, no socket at its usual place in the runtime
// folder, and the helper that would start one is not installed.
bool busIrraggiungibile(const char* indirizzo, const char* cartellaRuntime, const char* avviatore);
void prepara(QApplication& app);
// Seeds the one random source from the clock and shows the title screen.
void Main();
}  // namespace Applicazione
