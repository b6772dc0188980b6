#include "Applicazione.h"

#include "Catalogo.h"

#include "framework/Registro.h"
#include "platform/Piattaforma.h"
#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/Lavori.h"
#include "services/PluginSuono.h"
#include "services/Sensori.h"
#include "services/Voce.h"
#include "ui/PrimoDisegno.h"
#include "ui/Risorse.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <unistd.h>

namespace Applicazione {

namespace {

// The sizes, in device pixels, at which the figures are kept: that of the screens that show
// several at once, which cannot read six files in the moment of a click, and the largest a
// screen shows one at.
Figure::Dimensioni dimensioniFigure()
{
    const QScreen* schermo = QGuiApplication::primaryScreen();
    const qreal dpr = schermo ? schermo->devicePixelRatio() : 1.0;
    // Edges rounded as the canvas rounds them, so the size is exactly the one painted.
    auto px = [](int twip) { return int(std::lround(double(twip) / Layout::TwipPerPixel)); };
    QList<QSize> misure;
    QSize riserva;
    for (const Catalogo::Riga& v : Catalogo::righe()) {
        QList<QSize> qui;
        for (const Layout::Controllo& c : Catalogo::layout(v.id).controlli)
            if (c.figura()) {
                const Layout::Rettangolo& r = c.posto;
                qui << QSize(px(r.sinistra + r.larghezza) - px(r.sinistra), px(r.alto + r.altezza) - px(r.alto));
            }
        if (qui.size() == 1)
            riserva = riserva.expandedTo(qui.first());
        misure << qui;
    }
    const auto dispositivo = [dpr](QSize m) {
        return m.isValid() ? QSize(qRound(m.width() * dpr), qRound(m.height() * dpr)) : QSize();
    };
    return {dispositivo(Figure::misuraComune(misure)), dispositivo(riserva)};
}

struct Trattenuto {
    QtMsgType tipo;
    QByteArray categoria;
    QString testo;
};
QList<Trattenuto>* trattenuti = nullptr;
QString* senzaDisplay = nullptr;

void trattieni(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (tipo == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(*senzaDisplay));
        Lavori::fermaTutti();
        std::_Exit(1);
    }
    trattenuti->append({tipo, contesto.category, testo});
}

}  // namespace

void primaDelDisplay(const Opzioni::Scelte& scelte)
{
    senzaDisplay = new QString(Opzioni::displayMancante(scelte));
    trattenuti = new QList<Trattenuto>;
    qInstallMessageHandler(trattieni);
}

void dopoIlDisplay()
{
    qInstallMessageHandler(nullptr);
    for (const Trattenuto& t : std::as_const(*trattenuti)) {
        const QMessageLogContext contesto(nullptr, 0, nullptr, t.categoria.isEmpty() ? nullptr : t.categoria.constData());
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(t.tipo, contesto, t.testo)));
    }
    delete std::exchange(trattenuti, nullptr);
    delete std::exchange(senzaDisplay, nullptr);
}

bool busIrraggiungibile(const char* indirizzo, const char* cartellaRuntime, const char* avviatore)
{
    if (indirizzo)
        return false;
    if (cartellaRuntime && *cartellaRuntime && access((std::string(cartellaRuntime) + "/bus").c_str(), F_OK) == 0)
        return false;
    return access(avviatore, X_OK) != 0;
}

void nessunBusDaAvviare()
{
    // Screen readers are reached through the session bus, which Qt asks for while the title is
    // built. With no bus to find, the D-Bus library forks the whole program to run its helper
    // that starts one: milliseconds before the title shows, for nothing when the helper is not
    // installed. Only that case is told apart; a bus that exists or can be started is used as before.
    if (busIrraggiungibile(std::getenv("DBUS_SESSION_BUS_ADDRESS"), std::getenv("XDG_RUNTIME_DIR"), "/usr/bin/dbus-launch"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

int apriSchede(char** argv)
{
    return Piattaforma::eseguiSchede(argv);
}

void prepara(QApplication& app, const Opzioni::Scelte& scelte)
{
    QApplication::setApplicationName(QStringLiteral("Bussolino"));
    QApplication::setApplicationVersion(QStringLiteral(BUSSOLINO_VERSIONE));
    // Quit asked for: the work off the main thread stops while the event loop still runs, so no
    // figure is still being scaled with Qt's own threads once the loop has returned.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [] { Lavori::fermaTutti(); });
    // A teacher who wants the voice off from the start puts this in the desktop file.
    if (scelte.senzaVoce)
        Voce::impostaAttiva(false);
    Sensori::impostaModo(scelte.sensori, scelte.ritmo);
    // The carried fonts are added when a screen first asks for their family: the title needs
    // only its own; the rest come once the title has painted (see Main).
    Figure::impostaDimensioni(&dimensioniFigure);
    Catalogo::installa();
    traduciQt(app);
}

void traduciQt(QApplication& app)
{
    static QTranslator italiano;
    if (italiano.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&italiano);
}

void Main()
{
    Casuale::seminaDallOrologio();
    Registro::mostra(int(Catalogo::Id::FormAvvio));
    // What the title does not need is made while the child looks at it: the other fonts, and
    // the figures decoded on a worker thread.
    PrimoDisegno::dopo([] {
        Piattaforma::dopoIlTitolo();
        Risorse::caricaCaratteri();
        Figure::preparaInAnticipo();
    });
}

void chiudi()
{
    // Stopped already as the quit was asked for; anything given since is stopped here.
    Lavori::fermaTutti();
    Registro::distruggi();
    PluginSuono::chiudi();
}

}  // namespace Applicazione
