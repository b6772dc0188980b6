#include "framework/Legame.h"

int Legame::posto(const char* nome, int indice) const
{
    for (int i = 0; i < progetto.controlli.size(); ++i)
        if (progetto.controlli[i].indice == indice && progetto.controlli[i].nome == QLatin1String(nome))
            return i;
    return -1;
}

void Legame::fallisci(const char* nome, int indice, const std::string& perche) const
{
    throw std::logic_error(progetto.nome.toStdString() + ": the control " + Layout::chiave(nome, indice).toStdString()
                           + " " + perche);
}
