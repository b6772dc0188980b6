#include "Gif.h"

#include "Tavolozza.h"

#include <gif_lib.h>

#include <QFile>
#include <QHash>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace Gif {

namespace {

GifByteType piuVicino(QRgb colore)
{
    int migliore = 0;
    int distanzaMigliore = 1 << 30;
    for (int i = 0; i < int(Tavolozza::Colori.size()); ++i) {
        const QRgb c = Tavolozza::Colori[i];
        const int dr = qRed(c) - qRed(colore);
        const int dg = qGreen(c) - qGreen(colore);
        const int db = qBlue(c) - qBlue(colore);
        const int distanza = dr * dr + dg * dg + db * db;
        if (distanza < distanzaMigliore) {
            migliore = i;
            distanzaMigliore = distanza;
        }
    }
    return GifByteType(migliore);
}

}  // namespace

bool scrivi(const QImage& immagine, const QString& percorso, QString* errore)
{
    const QImage img = immagine.convertToFormat(QImage::Format_RGB32);
    const int larghezza = img.width();
    const int altezza = img.height();

    GifColorType colori[Tavolozza::Colori.size()];
    for (size_t i = 0; i < Tavolozza::Colori.size(); ++i)
        colori[i] = {GifByteType(qRed(Tavolozza::Colori[i])), GifByteType(qGreen(Tavolozza::Colori[i])),
                     GifByteType(qBlue(Tavolozza::Colori[i]))};
    ColorMapObject* mappa = GifMakeMapObject(int(Tavolozza::Colori.size()), colori);
    if (!mappa) {
        *errore = QStringLiteral("colour table");
        return false;
    }

    // Opened here rather than by giflib, which makes its files 0600: a figure must be readable
    // by every account, like every other file the build makes (0666 less the umask). A file
    // left by an earlier build goes first, so its old mode does not stay.
    const QByteArray nome = QFile::encodeName(percorso);
    ::unlink(nome.constData());
    const int fd = ::open(nome.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        GifFreeMapObject(mappa);
        *errore = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    int codice = 0;
    GifFileType* gif = EGifOpenFileHandle(fd, &codice);
    if (!gif) {
        ::close(fd);
        GifFreeMapObject(mappa);
        *errore = QString::fromUtf8(GifErrorString(codice));
        return false;
    }

    bool ok = EGifPutScreenDesc(gif, larghezza, altezza, 8, 0, mappa) == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, larghezza, altezza, false, nullptr) == GIF_OK;
    std::vector<GifByteType> riga(larghezza);
    QHash<QRgb, GifByteType> giaVisti;
    for (int y = 0; ok && y < altezza; ++y) {
        const QRgb* pixel = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < larghezza; ++x) {
            const QRgb c = pixel[x] | 0xff000000u;
            auto it = giaVisti.constFind(c);
            if (it == giaVisti.constEnd())
                it = giaVisti.insert(c, piuVicino(c));
            riga[x] = *it;
        }
        ok = EGifPutLine(gif, riga.data(), larghezza) == GIF_OK;
    }
    if (!ok)
        *errore = QString::fromUtf8(GifErrorString(gif->Error));
    if (EGifCloseFile(gif, &codice) != GIF_OK && ok) {
        *errore = QString::fromUtf8(GifErrorString(codice));
        ok = false;
    }
    GifFreeMapObject(mappa);
    return ok;
}

}  // namespace Gif
