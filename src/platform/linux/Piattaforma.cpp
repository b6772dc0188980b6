// Linux's side of the platform: X displays, the font configuration, glibc's allocator, and the
// worksheet maker run in the game's place.
#include "platform/Piattaforma.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace Piattaforma {

QStringList argomenti(int argc, char** argv)
{
    QStringList a;
    for (int i = 0; i < argc; ++i)
        a << QString::fromLocal8Bit(argv[i]);
    return a;
}

// Both in lib/ below the game.
QString fileLettore(const QString& cartella) { return cartella + QStringLiteral("/lib/libbussolino_suono.so"); }
QString cartellaDelGioco(const QString& cartellaSchede) { return cartellaSchede + QStringLiteral("/.."); }

int eseguiSchede(char** argv)
{
    // Beside the program when installed; one folder up for the tests and benchmarks of a build.
    char io[4096];
    const ssize_t n = readlink("/proc/self/exe", io, sizeof io);
    std::string cartella = n > 0 && n < ssize_t(sizeof io) ? std::string(io, size_t(n)) : std::string("./bussolino");
    cartella.erase(cartella.rfind('/'));
    std::string percorso = cartella + "/lib/bussolino-schede";
    for (const std::string& c : {cartella, cartella + "/.."})
        if (access((c + "/lib/bussolino-schede").c_str(), X_OK) == 0) {
            percorso = c + "/lib/bussolino-schede";
            execv(percorso.c_str(), argv);
            break;
        }
    std::fprintf(stderr, "bussolino: cannot start the worksheet maker %s: %s\n", percorso.c_str(), std::strerror(errno));
    return 1;
}

QString piattaformaFinestre() { return QStringLiteral("xcb"); }

QString finestraImpossibile(const QString& display)
{
    const QString d = !display.isEmpty() ? display : qEnvironmentVariable("DISPLAY");
    if (d.isEmpty())
        return QStringLiteral("bussolino: cannot open a display: DISPLAY is not set (start it from a desktop)");
    return QStringLiteral("bussolino: cannot open the display \"%1\"").arg(d);
}

void leggiConfigurazioneCaratteri() { FcInit(); }

void dopoIlTitolo()
{
    // A figure is decoded at its file's size for a moment before it is scaled down. With a fixed
    // threshold such passing buffers get pages of their own and go back to the system when
    // freed; left to adapt, the allocator would keep them as heap for the rest of the run. Set
    // after the title, whose start it would slow with page faults.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

void restituisciMemoria()
{
    malloc_trim(0);
}

// Opened here rather than by Qt, so that a refusal is told by its real cause.
QString apriInLettura(const QString& percorso, QFile& file)
{
    const QByteArray nome = QFile::encodeName(percorso);
    const int fd = ::open(nome.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        if (e == ENOENT || e == ENOTDIR)
            return QStringLiteral("not found");
        if (e == EACCES || e == EPERM)
            return QStringLiteral("permission denied");
        return QString::fromLocal8Bit(std::strerror(e));
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return QStringLiteral("not a picture: a folder");
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}

QString estensioneDisegni() { return QStringLiteral("svg"); }

QImage disegno(const QString& percorso, QSize riquadro)
{
    // Read through Qt's picture plugin, which brings in the drawing library with the first
    // drawing painted rather than before the title window can show.
    QImageReader lettore(percorso, "svg");
    QSize s = lettore.size();
    s.scale(riquadro, Qt::KeepAspectRatio);
    lettore.setScaledSize(s);
    return s.isEmpty() ? QImage() : lettore.read();
}

}  // namespace Piattaforma
