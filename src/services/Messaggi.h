#pragma once
// The program's modal message boxes, all titled "Bussolino".
class QString;
class QWidget;

namespace Messaggi {

// A question with "Sì" and "No"; "No" is the default and the answer to Esc; true on "Sì".
bool chiedi(QWidget* padre, const QString& testo);
// Information with OK.
void informa(QWidget* padre, const QString& testo);

}  // namespace Messaggi
