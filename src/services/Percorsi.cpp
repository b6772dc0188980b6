#include "services/Percorsi.h"

#include <QCoreApplication>
#include <QDir>

namespace Percorsi {

namespace {
QString& scelta()
{
    static QString c;
    return c;
}
}  // namespace

QString cartellaProgramma()
{
    return scelta().isEmpty() ? QCoreApplication::applicationDirPath() : scelta();
}

void impostaCartellaProgramma(const QString& cartella)
{
    scelta() = QDir::cleanPath(cartella);
}

QString figura(int numero)
{
    return cartellaProgramma() + QStringLiteral("/gif/") + QString::number(numero) + QStringLiteral(".gif");
}

QString suono(const QString& nome)
{
    return cartellaProgramma() + QStringLiteral("/suoni/") + nome;
}

}  // namespace Percorsi
