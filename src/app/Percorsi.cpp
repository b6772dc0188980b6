#include "app/Percorsi.h"

#include <QCoreApplication>
#include <QDir>

namespace Percorsi {

namespace {
QString& Scelta()
{
    static QString c;
    return c;
}
}  // namespace

QString CartellaProgramma()
{
    return Scelta().isEmpty() ? QCoreApplication::applicationDirPath() : Scelta();
}

void ImpostaCartellaProgramma(const QString& cartella)
{
    Scelta() = QDir::cleanPath(cartella);
}

QString Figura(int numero)
{
    return CartellaProgramma() + QStringLiteral("/gif/") + QString::number(numero) + QStringLiteral(".gif");
}

QString Suono(const QString& nome)
{
    return CartellaProgramma() + QStringLiteral("/suoni/") + nome;
}

}  // namespace Percorsi
