#pragma once
// Where the program finds its sounds and figure pictures: folders beside itself.
#include <QString>

namespace Percorsi {

QString cartellaProgramma();
// For tests and tools: look beside another folder instead.
void impostaCartellaProgramma(const QString& cartella);

QString figura(int numero);          // <folder>/gif/<n>.gif
QString suono(const QString& nome);  // <folder>/suoni/<nome>

}  // namespace Percorsi
