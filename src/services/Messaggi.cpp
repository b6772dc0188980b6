#include "services/Messaggi.h"

#include <QMessageBox>

namespace Messaggi {

bool chiedi(QWidget* padre, const QString& testo)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bussolino"), testo, QMessageBox::Yes | QMessageBox::No, padre);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void informa(QWidget* padre, const QString& testo)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Bussolino"), testo, QMessageBox::Ok, padre);
    box.exec();
}

}  // namespace Messaggi
