#include "app/Modulo1.h"

#include "app/Casuale.h"
#include "app/Messaggi.h"
#include "app/Schermate.h"

#include <QApplication>
#include <limits>

namespace Modulo1 {

int16_t ContaEsatti = 0;
int16_t ContaErrati = 0;

bool GambeUnite[RigheTabella] = {};
int16_t BraccioDestro[RigheTabella] = {};
int16_t BraccioSinistro[RigheTabella] = {};

namespace {
struct Riga {
    bool gambeUnite;
    int16_t destro;
    int16_t sinistro;
};

// Rows 1 to 28: the figure facing the child. Rows 29 to 56 are the same figures from behind.
constexpr Riga Pose[NumeroPose] = {
    {false, 1, 1}, {true, 2, 2},  {true, 1, 1},  {false, 2, 2}, {false, 2, 2}, {false, 1, 2},
    {true, 2, 1},  {true, 1, 2},  {false, 3, 1}, {false, 1, 3}, {true, 3, 1},  {true, 1, 3},
    {false, 3, 2}, {false, 2, 3}, {true, 3, 2},  {true, 2, 3},  {false, 4, 1}, {false, 1, 4},
    {true, 4, 2},  {true, 2, 4},  {true, 4, 1},  {true, 1, 4},  {false, 4, 2}, {false, 2, 4},
    {false, 3, 4}, {false, 4, 3}, {true, 3, 4},  {true, 4, 3},
    {false, 1, 1}, {true, 2, 2},  {true, 1, 1},  {false, 2, 2}, {false, 2, 2}, {false, 2, 1},
    {true, 1, 2},  {true, 2, 1},  {false, 1, 3}, {false, 3, 1}, {true, 1, 3},  {true, 3, 1},
    {false, 2, 3}, {false, 3, 2}, {true, 2, 3},  {true, 3, 2},  {false, 1, 4}, {false, 4, 1},
    {true, 2, 4},  {true, 4, 2},  {true, 1, 4},  {true, 4, 1},  {false, 2, 4}, {false, 4, 2},
    {false, 4, 3}, {false, 3, 4}, {true, 4, 3},  {true, 3, 4},
};
}  // namespace

void InizializzaTabella()
{
    for (int n = 1; n <= NumeroPose; ++n) {
        GambeUnite[n] = Pose[n - 1].gambeUnite;
        BraccioDestro[n] = Pose[n - 1].destro;
        BraccioSinistro[n] = Pose[n - 1].sinistro;
    }
}

void AzzeraConteggio()
{
    ContaEsatti = 0;
    ContaErrati = 0;
}

void Incrementa(int16_t& conteggio)
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
    Messaggi::Informa(padre, testo);
}

void ConfermaUscita(QWidget* padre)
{
    if (Messaggi::Chiedi(padre, QString::fromUtf8("Vuoi uscire dal programma?")))
        Schermate::TerminaProgramma();
}

void Main()
{
    Casuale::SeminaDalOrologio();
    InizializzaTabella();
    Schermate::Mostra(Schermate::Id::FormAvvio);
}

}  // namespace Modulo1
