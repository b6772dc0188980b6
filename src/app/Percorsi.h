#pragma once
// Where the program finds its sounds and figure pictures: folders beside itself.
#include <QString>

namespace Percorsi {

QString CartellaProgramma();
// For tests and tools: look beside another folder instead.
void ImpostaCartellaProgramma(const QString& cartella);

QString Figura(int numero);          // <folder>/gif/<n>.gif
QString Suono(const QString& nome);  // <folder>/suoni/<nome>

}  // namespace Percorsi
