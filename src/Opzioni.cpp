#include "Opzioni.h"

#include "Catalogo.h"
#include "platform/Piattaforma.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <cstdio>
#include <limits>

namespace Opzioni {

namespace {

void scrivi(std::FILE* f, const QString& testo)
{
    std::fputs(testo.toLocal8Bit().constData(), f);
}

// Every exercise's short name, in the catalogue's order.
QString sigle()
{
    QStringList s;
    for (const Catalogo::Riga& v : Catalogo::righe())
        if (v.sigla)
            s << QString::fromLatin1(v.sigla);
    return s.join(QStringLiteral(", "));
}

}  // namespace

namespace {

struct Riga {
    QCommandLineParser p;
    QCommandLineOption aiuto{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")};
    QCommandLineOption versione{{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit.")};
    QCommandLineOption senzaVoce{QStringLiteral("senza-voce"),
                                 QStringLiteral("Start with the voice off (the loudspeaker on the menu turns it on).")};
    QCommandLineOption dueSensori{QStringLiteral("due-sensori"),
                                  QStringLiteral("Play with two switches: Space moves the cursor to the next thing to "
                                                 "press, Enter presses it.")};
    QCommandLineOption unSensore{QStringLiteral("un-sensore"),
                                 QStringLiteral("Play with one switch: the cursor moves by itself, Space or Enter presses "
                                                "what it is on.")};
    QCommandLineOption ritmo{QStringLiteral("ritmo"),
                             QStringLiteral("With --un-sensore: seconds between two moves of the cursor, %1 to %2 (%3 if "
                                            "not given).")
                                 .arg(Sensori::RitmoMinimo)
                                 .arg(Sensori::RitmoMassimo)
                                 .arg(Sensori::RitmoDiSolito),
                             QStringLiteral("SECONDI")};
    QCommandLineOption display{QStringLiteral("display"), QStringLiteral("The X display to open (as any X program)."),
                               QStringLiteral("display")};
    QCommandLineOption piattaforma{QStringLiteral("platform"), QStringLiteral("The Qt platform plugin to use (as any Qt program)."),
                                   QStringLiteral("name")};
    QCommandLineOption schede{QStringLiteral("schede"),
                              QStringLiteral("Worksheets to print. With exercises and -o: write them as a PDF, with no "
                                             "display. Alone: open the window for teachers.")};
    QCommandLineOption quante{QStringLiteral("quante"),
                              QStringLiteral("With --schede: items of each exercise, %1 to %2 (%3 if not given).")
                                  .arg(QuanteMinimo)
                                  .arg(QuanteMassimo)
                                  .arg(QuanteDiSolito),
                              QStringLiteral("N")};
    QCommandLineOption soluzioni{QStringLiteral("soluzioni"), QStringLiteral("With --schede: add a last page of answers.")};
    QCommandLineOption seme{QStringLiteral("seme"),
                            QStringLiteral("With --schede: the sheet's number, which draws the items; the same one gives "
                                           "each exercise's items again, whatever else is printed. Every page prints it."),
                            QStringLiteral("S")};
    QCommandLineOption senzaNome{QStringLiteral("senza-nome"),
                                 QStringLiteral("With --schede: no line for the name and class on top.")};
    QCommandLineOption uscita{{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("With --schede: the PDF file to write."), QStringLiteral("FILE.pdf")};

    Riga()
    {
        // -display and -platform as every Qt program takes them; -h alike.
        p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        p.setApplicationDescription(QStringLiteral(
            "Right and left exercises for children aged 4 to 7, in Italian: eleven exercises played\n"
            "with the mouse or the keyboard, every answer judged at once."));
        p.addOptions({aiuto, versione, senzaVoce, dueSensori, unSensore, ritmo, display, piattaforma, schede, quante, soluzioni, seme, senzaNome, uscita});
        p.addPositionalArgument(QStringLiteral("ESERCIZIO"),
                                QStringLiteral("With --schede: the exercises to print, by name: ") + sigle() + '.',
                                QStringLiteral("[ESERCIZIO...]"));
    }

    // What is wrong with the arguments, an option named as it was typed; empty when nothing.
    QString errore(const QStringList& argomenti)
    {
        if (p.parse(argomenti))
            return p.positionalArguments().isEmpty() || p.isSet(schede)
                       ? QString()
                       : QStringLiteral("unexpected argument '%1'").arg(p.positionalArguments().first());
        for (const QString& a : argomenti.mid(1)) {
            const QString nome = a.section('=', 0, 0);
            if (a.startsWith('-') && p.unknownOptionNames().contains(QString(nome).remove(QRegularExpression("^-+"))))
                return QStringLiteral("unknown option '%1'").arg(nome);
        }
        return p.errorText();
    }

    // What --schede asks for, or what is wrong with it.
    QString leggiSchede(Schede& s)
    {
        for (const QString& nome : p.positionalArguments()) {
            const std::optional<Catalogo::Id> id = Catalogo::daSigla(nome);
            if (!id)
                return QStringLiteral("unknown exercise '%1'; the exercises are: %2").arg(nome, sigle());
            if (!s.esercizi.contains(*id))
                s.esercizi << *id;
        }
        if (p.isSet(quante)) {
            bool ok = false;
            s.quante = p.value(quante).toInt(&ok);
            if (!ok || s.quante < QuanteMinimo || s.quante > QuanteMassimo)
                return QStringLiteral("--quante must be a number from %1 to %2, not '%3'")
                    .arg(QuanteMinimo)
                    .arg(QuanteMassimo)
                    .arg(p.value(quante));
        }
        if (p.isSet(seme)) {
            bool ok = false;
            s.seme = p.value(seme).toULongLong(&ok);
            if (!ok)
                return QStringLiteral("--seme must be a whole number from 0 to %1, not '%2'")
                    .arg(std::numeric_limits<quint64>::max())
                    .arg(p.value(seme));
        }
        s.soluzioni = p.isSet(soluzioni);
        s.nome = !p.isSet(senzaNome);
        s.file = p.value(uscita);
        if (p.isSet(uscita) && s.file.isEmpty())
            return QStringLiteral("-o needs the name of the PDF file to write");
        if (!s.file.isEmpty() && s.esercizi.isEmpty())
            return QStringLiteral("-o needs the exercises to print, by name: %1").arg(sigle());
        return {};
    }

    // Which switches, and the rhythm of one; or what is wrong with them.
    QString leggiSensori(Scelte& s)
    {
        if (p.isSet(dueSensori) && p.isSet(unSensore))
            return QStringLiteral("--due-sensori and --un-sensore cannot go together");
        if (p.isSet(ritmo) && !p.isSet(unSensore))
            return QStringLiteral("--ritmo is for --un-sensore only");
        s.sensori = p.isSet(dueSensori) ? Sensori::Modo::Due : p.isSet(unSensore) ? Sensori::Modo::Uno : Sensori::Modo::Nessuno;
        if (p.isSet(ritmo)) {
            // A decimal point, as written in any language: 1.5, not 1,5.
            bool ok = false;
            const QString v = p.value(ritmo);
            s.ritmo = QLocale::c().toDouble(v, &ok);
            if (!ok || !(s.ritmo >= Sensori::RitmoMinimo && s.ritmo <= Sensori::RitmoMassimo))
                return QStringLiteral("--ritmo must be a number of seconds from %1 to %2, such as 1.5, not '%3'")
                    .arg(Sensori::RitmoMinimo)
                    .arg(Sensori::RitmoMassimo)
                    .arg(v);
        }
        return {};
    }

    // An option of the worksheets given without --schede.
    QString soloConSchede()
    {
        for (const QCommandLineOption* o : {&quante, &soluzioni, &seme, &senzaNome, &uscita})
            if (p.isSet(*o))
                return QStringLiteral("--%1 is for --schede only").arg(o->names().constLast());
        return {};
    }
};

}  // namespace

std::optional<int> leggi(const QStringList& argomenti, Scelte& scelte)
{
    Riga r;
    const QString nome = QFileInfo(argomenti.value(0, QStringLiteral("bussolino"))).fileName();
    const auto uso = [&] { return r.p.helpText().replace(QLatin1String("<executable_name>"), nome); };
    const auto sbaglio = [&](const QString& errore) {
        scrivi(stderr, nome + QStringLiteral(": ") + errore + QStringLiteral("\n\n") + uso());
        return 2;
    };
    if (const QString errore = r.errore(argomenti); !errore.isEmpty())
        return sbaglio(errore);
    if (r.p.isSet(r.aiuto)) {
        scrivi(stdout, uso());
        return 0;
    }
    if (r.p.isSet(r.versione)) {
        scrivi(stdout, QStringLiteral("Bussolino " BUSSOLINO_VERSIONE "\n"));
        return 0;
    }
    if (r.p.isSet(r.schede)) {
        Schede s;
        if (const QString errore = r.leggiSchede(s); !errore.isEmpty())
            return sbaglio(errore);
        scelte.schede = s;
    } else if (const QString errore = r.soloConSchede(); !errore.isEmpty()) {
        return sbaglio(errore);
    }
    if (const QString errore = r.leggiSensori(scelte); !errore.isEmpty())
        return sbaglio(errore);
    scelte.senzaVoce = r.p.isSet(r.senzaVoce);
    scelte.display = r.p.value(r.display);
    scelte.piattaforma = r.p.value(r.piattaforma);
    return std::nullopt;
}

QString displayMancante(const Scelte& scelte)
{
    const QString piattaforma = !scelte.piattaforma.isEmpty() ? scelte.piattaforma : qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!piattaforma.isEmpty() && !piattaforma.startsWith(Piattaforma::piattaformaFinestre()))
        return QStringLiteral("bussolino: cannot open a window on the platform \"%1\"").arg(piattaforma);
    return Piattaforma::finestraImpossibile(scelte.display);
}

std::optional<int> leggi(int argc, char** argv, Scelte& scelte)
{
    return leggi(Piattaforma::argomenti(argc, argv), scelte);
}

}  // namespace Opzioni
