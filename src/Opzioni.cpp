#include "Opzioni.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

namespace Opzioni {

namespace {

void scrivi(std::FILE* f, const QString& testo)
{
    std::fputs(testo.toLocal8Bit().constData(), f);
}

}  // namespace

namespace {

struct Riga {
    QCommandLineParser p;
    QCommandLineOption aiuto{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")};
    QCommandLineOption versione{{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit.")};
    QCommandLineOption senzaVoce{QStringLiteral("senza-voce"),
                                 QStringLiteral("Start with the voice off (the loudspeaker on the menu turns it on).")};
    QCommandLineOption display{QStringLiteral("display"), QStringLiteral("The X display to open (as any X program)."),
                               QStringLiteral("display")};
    QCommandLineOption piattaforma{QStringLiteral("platform"), QStringLiteral("The Qt platform plugin to use (as any Qt program)."),
                                   QStringLiteral("name")};

    Riga()
    {
        // -display and -platform as every Qt program takes them; -h alike.
        p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        p.setApplicationDescription(QStringLiteral(
            "Right and left exercises for children aged 4 to 7, in Italian: eleven exercises played\n"
            "with the mouse or the keyboard, every answer judged at once."));
        p.addOptions({aiuto, versione, senzaVoce, display, piattaforma});
    }

    // What is wrong with the arguments, an option named as it was typed; empty when nothing.
    QString errore(const QStringList& argomenti)
    {
        if (p.parse(argomenti))
            return p.positionalArguments().isEmpty()
                       ? QString()
                       : QStringLiteral("unexpected argument '%1'").arg(p.positionalArguments().first());
        for (const QString& a : argomenti.mid(1)) {
            const QString nome = a.section('=', 0, 0);
            if (a.startsWith('-') && p.unknownOptionNames().contains(QString(nome).remove(QRegularExpression("^-+"))))
                return QStringLiteral("unknown option '%1'").arg(nome);
        }
        return p.errorText();
    }
};

}  // namespace

std::optional<int> leggi(const QStringList& argomenti, Scelte& scelte)
{
    Riga r;
    const QString nome = QFileInfo(argomenti.value(0, QStringLiteral("bussolino"))).fileName();
    const auto uso = [&] { return r.p.helpText().replace(QLatin1String("<executable_name>"), nome); };
    if (const QString errore = r.errore(argomenti); !errore.isEmpty()) {
        scrivi(stderr, nome + QStringLiteral(": ") + errore + QStringLiteral("\n\n") + uso());
        return 2;
    }
    if (r.p.isSet(r.aiuto)) {
        scrivi(stdout, uso());
        return 0;
    }
    if (r.p.isSet(r.versione)) {
        scrivi(stdout, QStringLiteral("Bussolino " BUSSOLINO_VERSIONE "\n"));
        return 0;
    }
    scelte.senzaVoce = r.p.isSet(r.senzaVoce);
    scelte.display = r.p.value(r.display);
    scelte.piattaforma = r.p.value(r.piattaforma);
    return std::nullopt;
}

QString displayMancante(const Scelte& scelte)
{
    const QString piattaforma = !scelte.piattaforma.isEmpty() ? scelte.piattaforma : qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!piattaforma.isEmpty() && !piattaforma.startsWith(QLatin1String("xcb")))
        return QStringLiteral("bussolino: cannot open a window on the platform \"%1\"").arg(piattaforma);
    const QString display = !scelte.display.isEmpty() ? scelte.display : qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("bussolino: cannot open a display: DISPLAY is not set (start it from a desktop)");
    return QStringLiteral("bussolino: cannot open the display \"%1\"").arg(display);
}

}  // namespace Opzioni
