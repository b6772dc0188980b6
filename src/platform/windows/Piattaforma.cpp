// Windows' side of the platform: the wide-character command line and paths, the program's helpers
// beside it (where Windows looks for the libraries they need), the worksheet maker run as a
// child, Qt's own font database, and the drawings carried as recorded pictures.
#include "platform/Piattaforma.h"

#include "platform/windows/Registrazione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <io.h>
#include <fcntl.h>
#include <mutex>
#include <string>

#include <windows.h>
#include <malloc.h>
#include <shellapi.h>

namespace Piattaforma {

namespace {

QString parole(DWORD errore)
{
    wchar_t* testo = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   errore, MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&testo), 0, nullptr);
    const QString s = testo ? QString::fromWCharArray(testo).trimmed() : QStringLiteral("error %1").arg(errore);
    LocalFree(testo);
    return s;
}

// What follows the program's own name on the command line, as it was typed.
const wchar_t* dopoIlNome(const wchar_t* riga)
{
    if (*riga == L'"') {
        ++riga;
        while (*riga && *riga != L'"')
            ++riga;
        return *riga ? riga + 1 : riga;
    }
    while (*riga && *riga != L' ' && *riga != L'\t')
        ++riga;
    return riga;
}

// Qt compiles regular expressions to machine code with a stack for each thread, freed as the
// thread ends; with mingw's thread-local storage that free reads memory already gone, and the
// program crashes as a worker thread of its own ends. Plain matching is as correct, and quick
// enough for the few patterns the program reads. Set before main, before Qt looks at it.
const bool senzaJit = [] {
    if (!std::getenv("QT_ENABLE_REGEXP_JIT"))
        _putenv_s("QT_ENABLE_REGEXP_JIT", "0");
    return true;
}();

}  // namespace

QStringList argomenti(int argc, char** argv)
{
    // main's argv holds the letters of the system's code page only: the command line is read
    // again as Windows keeps it.
    int n = 0;
    LPWSTR* a = CommandLineToArgvW(GetCommandLineW(), &n);
    QStringList r;
    if (!a) {
        for (int i = 0; i < argc; ++i)
            r << QString::fromLocal8Bit(argv[i]);
        return r;
    }
    for (int i = 0; i < n; ++i)
        r << QString::fromWCharArray(a[i]);
    LocalFree(a);
    return r;
}

// Beside the game: Windows finds the libraries a program needs in its own folder.
QString fileLettore(const QString& cartella) { return cartella + QStringLiteral("/libbussolino_suono.dll"); }
QString cartellaDelGioco(const QString& cartellaSchede) { return cartellaSchede; }

int eseguiSchede(char**)
{
    // Beside the program when installed; one folder up for the tests of a build.
    std::wstring io(32768, L'\0');
    io.resize(GetModuleFileNameW(nullptr, io.data(), DWORD(io.size())));
    const std::wstring cartella = io.substr(0, io.find_last_of(L"\\/"));
    std::wstring percorso = cartella + L"\\bussolino-schede.exe";
    for (const std::wstring& c : {cartella, cartella + L"\\.."})
        if (GetFileAttributesW((c + L"\\bussolino-schede.exe").c_str()) != INVALID_FILE_ATTRIBUTES) {
            percorso = c + L"\\bussolino-schede.exe";
            break;
        }
    // Windows has no way to run another program in this one's place: it runs as a child with the
    // same command line and standard streams, and its status is this program's.
    std::wstring riga = L"\"" + percorso + L"\"" + dopoIlNome(GetCommandLineW());
    STARTUPINFOW avvio{};
    avvio.cb = sizeof avvio;
    PROCESS_INFORMATION processo{};
    if (!CreateProcessW(percorso.c_str(), riga.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &avvio, &processo)) {
        const QString perche = parole(GetLastError());
        std::fprintf(stderr, "bussolino: cannot start the worksheet maker %s: %s\n",
                     qPrintable(QString::fromStdWString(percorso)), qPrintable(perche));
        return 1;
    }
    CloseHandle(processo.hThread);
    WaitForSingleObject(processo.hProcess, INFINITE);
    DWORD esito = 1;
    GetExitCodeProcess(processo.hProcess, &esito);
    CloseHandle(processo.hProcess);
    return int(esito);
}

QString piattaformaFinestre() { return QStringLiteral("windows"); }

QString finestraImpossibile(const QString&)
{
    return QStringLiteral("bussolino: cannot open a window on this desktop");
}

// Qt's font database reads Windows' fonts itself, at the first text; the carried fonts are added
// to it as application fonts.
void leggiConfigurazioneCaratteri() {}

// Nothing to set: glibc's threshold for passing buffers has no counterpart in Windows' heap.
void dopoIlTitolo() {}

void restituisciMemoria()
{
    _heapmin();
}

QString apriInLettura(const QString& percorso, QFile& file)
{
    const QFileInfo info(percorso);
    if (info.isDir())
        return QStringLiteral("not a picture: a folder");
    const QString nativo = QDir::toNativeSeparators(info.absoluteFilePath());
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(nativo.utf16()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD e = GetLastError();
        if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND || e == ERROR_INVALID_NAME)
            return QStringLiteral("not found");
        if (e == ERROR_ACCESS_DENIED || e == ERROR_SHARING_VIOLATION)
            return QStringLiteral("permission denied");
        return parole(e);
    }
    const int fd = _open_osfhandle(intptr_t(h), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
        return QStringLiteral("cannot be opened");
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        return file.errorString();
    }
    return {};
}

QString estensioneDisegni() { return QString::fromLatin1(Registrazione::Estensione); }

QImage disegno(const QString& percorso, QSize riquadro)
{
    // Read once each: the screens ask for a drawing at every size they show it at.
    static std::mutex mutex;
    static QHash<QString, Registrazione::Disegno> letti;
    Registrazione::Disegno d;
    {
        std::lock_guard l(mutex);
        auto it = letti.find(percorso);
        if (it == letti.end())
            it = letti.insert(percorso, Registrazione::leggi(percorso));
        d = *it;
    }
    if (!d.valido())
        return {};
    QSize s = d.misura;
    s.scale(riquadro, Qt::KeepAspectRatio);
    if (s.isEmpty())
        return {};
    QImage immagine(s, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    Registrazione::suona(p, d, QRectF(QPointF(0, 0), QSizeF(s)));
    return immagine;
}

}  // namespace Piattaforma
