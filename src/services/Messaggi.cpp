#include "services/Messaggi.h"

#include <QMessageBox>

namespace Messaggi {

bool chiedi(QWidget* padre, const QString& testo)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bussolino"), testo, QMessageBox::Yes | QMessageBox::No, padre);
    // Every question ends something: a key pressed by chance (Enter, Space, Esc) answers "No".
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void informa(QWidget* padre, const QString& testo)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Bussolino"), testo, QMessageBox::Ok, padre);
    box.exec();
}

}  // namespace Messaggi
