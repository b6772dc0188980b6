#include "services/Modulo1.h"

#include "services/Messaggi.h"

#include <QString>
#include <limits>

namespace Modulo1 {

int16_t ContaEsatti = 0;
int16_t ContaErrati = 0;

void AzzeraConteggio()
{
    ContaEsatti = 0;
    ContaErrati = 0;
}

void incrementa(int16_t& conteggio)
{
    if (conteggio < std::numeric_limits<int16_t>::max())
        ++conteggio;
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
