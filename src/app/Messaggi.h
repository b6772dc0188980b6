#pragma once
// The program's modal message boxes, all titled "Bussolino".
class QString;
class QWidget;

namespace Messaggi {

// A question with "Sì" (the default) and "No"; true on "Sì".
bool Chiedi(QWidget* padre, const QString& testo);
// Information with OK.
void Informa(QWidget* padre, const QString& testo);

}  // namespace Messaggi
