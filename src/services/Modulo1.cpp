#include "services/Modulo1.h"

#include "services/Messaggi.h"

#include <QString>

namespace Modulo1 {

Conteggio conteggio;

void AzzeraConteggio()
{
    conteggio.azzera();
}

void MostraInformazioni(QWidget* padre)
{
    const QString testo = QString::fromUtf8(NomeAutore) + "  \r\n"
                          " ----------------------- \r\n"
                          + QString::fromUtf8(IndirizzoWeb) + "\r\n"
                          "mail: " + QString::fromUtf8(IndirizzoPosta);
    Messaggi::informa(padre, testo);
}

}  // namespace Modulo1
