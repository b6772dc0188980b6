#pragma once
// What the program sets up once before its first screen: the carried fonts and the
// Italian texts of the standard buttons ("Sì", "No").
class QApplication;

namespace Applicazione {
void Prepara(QApplication& app);
}
