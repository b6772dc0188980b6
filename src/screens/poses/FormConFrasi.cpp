#include "screens/poses/FormConFrasi.h"

void FormConFrasi::LeggiFrasi()
{
    for (QString& f : Frasi)
        f.clear();
    Frasi[1] = QStringLiteral("APERTO VERSO L'ALTO");
    Frasi[2] = QStringLiteral("VERSO L'ESTERNO");
    Frasi[3] = QStringLiteral("IN ALTO");
    Frasi[4] = QStringLiteral("IN BASSO");
}
