#include "screens/poses/FormConFrasi.h"

void FormConFrasi::LeggiFrasi()
{
    for (QString& f : Frasi)
        f.clear();
    for (int codice = 1; codice <= 4; ++codice)
        Frasi[codice] = QString::fromLatin1(Frammenti[codice]);
}
