#pragma once
// The program's start: what it sets up once before its first screen (the carried fonts, the
// Italian texts of the standard buttons "Sì" and "No"), and Main, which shows the title.
class QApplication;

namespace Applicazione {
void prepara(QApplication& app);
// Seeds the one random source from the clock and shows the title screen.
void Main();
}  // namespace Applicazione
