// Makes gif/1.gif to gif/56.gif, the figures of the pose table, into the folder given.
#include "Figura.h"
#include "Gif.h"
#include "services/Modulo1.h"

#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: genera_figure <cartella>\n");
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(cartella)) {
        std::fprintf(stderr, "genera_figure: non posso creare %s\n", argv[1]);
        return 1;
    }
    for (int n = 1; n <= Modulo1::NumeroPose; ++n) {
        const QString percorso = cartella + QStringLiteral("/%1.gif").arg(n);
        QString errore;
        if (!Gif::scrivi(Figura::disegna(Figura::dallaTabella(n)), percorso, &errore)) {
            std::fprintf(stderr, "genera_figure: %s: %s\n", qPrintable(percorso), qPrintable(errore));
            return 1;
        }
    }
    return 0;
}
