// The worksheets read back from their PDF with poppler's tools, as a printer and a teacher meet
// them: every item's sentence, figures and key answer are what the rules draw from the same seed,
// the pages are A4 with nothing across a margin or over anything else, text is text in an embedded
// font, figures sharp at 300 dpi and drawings vectors; every mistake ends as the manual says.
#include "support/Aiuto.h"

#include "exercises/Corpo.h"
#include "exercises/Detective.h"
#include "exercises/Righe.h"
#include "exercises/VeroFalso.h"
#include "services/Casuale.h"
#include "services/Percorsi.h"
#include "services/Voce.h"
#include "sheets/FinestraInsegnante.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <functional>

namespace {

QString build() { return qEnvironmentVariable("BUSSOLINO_BUILD_DIR"); }

// What an item shows and what its key says, as the rules give them.
struct Atteso {
    QStringList frasi;     // each written as one run of words
    QList<int> figure;     // in the order shown
    int oggetto = 0;       // the object or animal, which no text tells
    QStringList risposta;  // the words of its key answer
    int casella = -1;      // the box crossed in the key, 0 left or 1 right; -1: words
    QString aspetto() const { return frasi.join('|') + QString(" %1 ").arg(oggetto) + QString::number(qHash(figure)); }
};

Atteso corpo(Corpo::Tipo tipo, Casuale::Sorgente& s)
{
    Corpo c(tipo);
    c.GeneraEsercizio(s);
    Atteso a{{c.frase()}, {c.figura()}, c.Posizione, {}};
    if (tipo == Corpo::Tipo::Oggetto)
        a.risposta = {c.giusta(Corpo::RispostaDestra) ? "DESTRA" : "SINISTRA"};
    else
        a.casella = c.giusta(Corpo::Sinistra) ? 0 : 1;
    return a;
}

Atteso veroFalso(int quante, int aggiunta, Casuale::Sorgente& s)
{
    VeroFalso v(quante, aggiunta);
    v.GeneraEsercizio(s);
    return {{v.frase()}, {v.NumeroFigura}, 0, {v.giusta(VeroFalso::Vero) ? "VERO" : "FALSO"}};
}

Atteso detective(Detective::Insieme insieme, Casuale::Sorgente& s)
{
    Detective d(insieme);
    d.GeneraEsercizio(s);
    Atteso a{d.frasi(), QList<int>(d.NumeriFigure.begin(), d.NumeriFigure.end()), 0, {}};
    for (int i : d.giuste())
        a.risposta << QString(QChar('A' + i));  // the pictures lettered in reading order
    return a;
}

// The question the voice asks, in capitals; for each line the right side, the line named by its
// colour where there are two.
Atteso righe(Righe r, Casuale::Sorgente& s)
{
    r.PreparaEsercizio(s);
    Atteso a{r.domanda(), {}, r.Posizione, {}};
    for (const Voce::Frase& f : Voce::frasi())
        if (a.frasi[0] == QLatin1String(f.chiave))
            a.frasi[0] = QString::fromUtf8(f.parlato).toUpper();
    for (int i = 0; i < int(r.risposte().size()); ++i) {
        const QString riga = QString::fromLatin1(r.risposte()[size_t(i)].riga);
        if (!r.giusta(i))
            continue;
        if (r.numeroRighe() == 2)
            a.risposta << (riga.contains("GIALLA") ? "GIALLA" : "VERDE");
        a.risposta << (riga.contains("SINISTRA") ? "SINISTRA" : "DESTRA");
    }
    return a;
}

// Each exercise by its short name and the rules its screen plays by.
struct Esercizio {
    Id id;
    const char* sigla;
    std::function<Atteso(Casuale::Sorgente&)> disegna;
};
const QList<Esercizio>& esercizi_()
{
    using namespace std::placeholders;
    using T = Corpo::Tipo;
    using I = Detective::Insieme;
    static const QList<Esercizio> e{
        {Id::Form1, "su-di-me", std::bind(corpo, T::SuDiMe, _1)},
        {Id::Form2, "alla-mia-1", std::bind(corpo, T::Micetto, _1)},
        {Id::Form3, "alla-mia-2", std::bind(corpo, T::Oggetto, _1)},
        {Id::Form4, "vero-falso-1", std::bind(veroFalso, 28, 28, _1)},
        {Id::Form5, "vero-falso-2", std::bind(veroFalso, 28, 0, _1)},
        {Id::Form6, "vero-falso-3", std::bind(veroFalso, 56, 0, _1)},
        {Id::Form7, "detective-1", std::bind(detective, I::DaDietro, _1)},
        {Id::Form8, "detective-2", std::bind(detective, I::DiFronte, _1)},
        {Id::Form9, "detective-3", std::bind(detective, I::UnoDeiDue, _1)},
        {Id::FormDentroFuori1, "a-destra-di-1", std::bind(righe, Righe::unaRiga(), _1)},
        {Id::Form10, "a-destra-di-2", std::bind(righe, Righe::dueRighe(), _1)},
    };
    return e;
}

// The sheet's items as the rules draw them from one seed: exercise after exercise, an item that
// looks like one before it of the same exercise drawn again (twenty times at most).
QList<std::pair<Id, Atteso>> attesi(quint64 seme, int quante)
{
    Casuale::Generatore caso(seme);
    QList<std::pair<Id, Atteso>> voci;
    for (const Esercizio& e : esercizi_()) {
        QSet<QString> visti;
        for (int n = 0; n < quante; ++n) {
            Atteso a = e.disegna(caso);
            for (int t = 1; t < 20 && visti.contains(a.aspetto()); ++t)
                a = e.disegna(caso);
            visti.insert(a.aspetto());
            voci << std::pair{e.id, a};
        }
    }
    return voci;
}

struct Uscita {
    int rc = -1;
    QString out, err;
};

// A program run with no display at all.
Uscita esegui(const QString& programma, const QStringList& argomenti)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(v);
    p.setProcessEnvironment(env);
    p.start(programma, argomenti);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
}

QString strumento(const QString& nome, const QStringList& argomenti)
{
    const Uscita u = esegui(nome, argomenti);
    if (u.rc != 0)
        qWarning("%s %s: status %d, %s", qPrintable(nome), qPrintable(argomenti.join(' ')), u.rc, qPrintable(u.err));
    return u.out;
}

QStringList colonne(const QString& riga) { return riga.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts); }

struct Parola {
    QRectF r;
    QString t;
};
struct Foglio {
    QList<Parola> parole;  // in the order drawn
    QList<int> figure;     // likewise, each by its number
    QList<QRectF> posti;   // where the figures stand, where asked for
    bool chiave() const { return parole.value(0).t == QLatin1String("Soluzioni"); }
};

int qualeFigura(const QImage& i);

// Every page's words (pdftotext) and figures (pdfimages), in points.
QList<Foglio> leggi(const QString& pdf, const QString& cartella)
{
    QList<Foglio> fogli;
    QXmlStreamReader x(strumento("pdftotext", {"-bbox", "-raw", pdf, "-"}));
    while (!x.atEnd()) {
        x.readNext();
        const auto a = x.attributes();
        if (x.isStartElement() && x.name() == QLatin1String("page"))
            fogli << Foglio{};
        else if (x.isStartElement() && x.name() == QLatin1String("word"))
            fogli.last().parole << Parola{QRectF(QPointF(a.value("xMin").toDouble(), a.value("yMin").toDouble()),
                                                 QPointF(a.value("xMax").toDouble(), a.value("yMax").toDouble())),
                                          x.readElementText()};
    }
    const QStringList elenco = strumento("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    QDir(cartella).removeRecursively();
    QDir().mkpath(cartella);
    strumento("pdfimages", {pdf, cartella + "/f"});
    for (int i = 0; i < elenco.size(); ++i)
        fogli[elenco[i].section(' ', 0, 0, QString::SectionSkipEmpty).toInt() - 1].figure
            << qualeFigura(QImage(cartella + QString("/f-%1.ppm").arg(i, 3, 10, QChar('0'))).convertToFormat(QImage::Format_RGB32));
    return fogli;
}

// Where the pictures of page `n` (from 0) stand, in points (pdftohtml, slow: it writes each out).
QList<QRectF> posti(const QString& pdf, int n, const QString& cartella)
{
    const QString p = QString::number(n + 1);
    strumento("pdftohtml", {"-xml", "-zoom", "1", "-q", "-f", p, "-l", p, pdf, cartella + "/html"});
    QFile xml(cartella + "/html.xml");
    xml.open(QIODevice::ReadOnly);
    QXmlStreamReader h(&xml);
    QList<QRectF> r;
    while (!h.atEnd())
        if (h.readNext() == QXmlStreamReader::StartElement && h.name() == QLatin1String("image")) {
            const auto a = h.attributes();
            r << QRectF(a.value("left").toDouble(), a.value("top").toDouble(), a.value("width").toDouble(), a.value("height").toDouble());
        }
    return r;
}

// The figure a picture of the PDF is, by its pixels; -1 when none. Of two alike (the one pose
// drawn twice in the table) the first.
size_t pixel(const QImage& i) { return qHashBits(i.constBits(), size_t(i.sizeInBytes())); }
int qualeFigura(const QImage& i)
{
    static const QHash<size_t, int> gif = [] {
        QHash<size_t, int> g;
        for (int n = 56; n >= 1; --n)
            g.insert(pixel(QImage(build() + QString("/gif/%1.gif").arg(n)).convertToFormat(QImage::Format_RGB32)), n);
        return g;
    }();
    return gif.value(pixel(i), -1);
}
int qualeFigura(int n)
{
    return qualeFigura(QImage(build() + QString("/gif/%1.gif").arg(n)).convertToFormat(QImage::Format_RGB32));
}

QStringList testi(const QList<Parola>& parole)
{
    QStringList t;
    for (const Parola& p : parole)
        t << p.t;
    return t;
}

bool contiene(const QStringList& parole, const QString& frase)
{
    const QStringList cercate = colonne(frase);
    for (qsizetype i = 0; i + cercate.size() <= parole.size(); ++i)
        if (parole.mid(i, cercate.size()) == cercate)
            return true;
    return false;
}

constexpr double Margine = 12 * 72 / 25.4;  // what every home printer keeps clear
constexpr quint64 Seme = 20261207;
constexpr int Quante = 6;

}  // namespace

class TestSchede : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;
    QString pdf;
    QList<Foglio> fogli;
    QList<std::pair<Id, Atteso>> voci;
    // Each item's words, from its number to the next item's or the page's foot, and the
    // figures read from its page in order; the key's words.
    QList<QList<Parola>> elementi;
    QList<int> paginaDi;
    QList<int> figureStampate;
    QList<Parola> chiave;

    // Each entry of the key: its number, then the words on its row.
    QList<QList<Parola>> voceDellaChiave() const
    {
        QList<QList<Parola>> v;
        for (const Parola& p : chiave)
            if (QRegularExpression("^\\d+\\.$").match(p.t).hasMatch())
                v << QList<Parola>{p};
            else if (!v.isEmpty() && std::abs(p.r.center().y() - v.last()[0].r.center().y()) < 3)  // not the next exercise's name
                v.last() << Parola{p.r, QString(p.t).remove(QRegularExpression("[,:]"))};
        return v;
    }

    // The item pages in order, each titled with its exercise's name under the name line, cut
    // into items; the key's words.
    void dividi()
    {
        int k = 0;
        for (int n = 0; n < fogli.size(); ++n) {
            const Foglio& f = fogli[n];
            QList<Parola> p = f.parole.mid(0, testi(f.parole).lastIndexOf("Bussolino"));
            if (f.chiave()) {
                chiave << p.mid(1);
                continue;
            }
            QStringList t = testi(p);
            const qsizetype nome = t.startsWith("Nome") ? 3 : 0;
            const QStringList titolo = colonne(QString::fromUtf8(Catalogo::riga(voci.value(k).first).didascalia));
            QCOMPARE(t.mid(nome, titolo.size()), titolo);
            // Then the one line on how to answer, which has no number.
            for (qsizetype i = t.indexOf(QRegularExpression("^\\d+$"), nome + titolo.size()); i >= 0 && i < t.size(); ++k) {
                const qsizetype prossimo = t.indexOf(QRegularExpression("^\\d+$"), i + 1);
                elementi << p.mid(i, prossimo < 0 ? -1 : prossimo - i);
                paginaDi << n;
                i = prossimo;
            }
            figureStampate << f.figure;
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(cartella.isValid());
        pdf = cartella.filePath("tutte le schede.pdf");
        QStringList a{"--schede"};
        for (const Esercizio& e : esercizi_())
            a << e.sigla;
        a << "--quante" << QString::number(Quante) << "--soluzioni" << "--seme" << QString::number(Seme) << "-o" << pdf;
        const Uscita u = esegui(build() + "/bussolino", a);
        QCOMPARE(u.rc, 0);
        fogli = leggi(pdf, cartella.filePath("figure"));
        voci = attesi(Seme, Quante);
        dividi();
        QVERIFY(!QTest::currentTestFailed() && !chiave.isEmpty());
        // Where the pictures stand on the first page of each kind of page with figures: every
        // other is laid out alike.
        QDir().mkpath(cartella.filePath("posti"));
        for (Id id : {Id::Form1, Id::Form2, Id::Form3, Id::Form4, Id::Form7})
            for (int k = 0; k < voci.size(); ++k)
                if (voci[k].first == id) {
                    fogli[paginaDi[k]].posti = posti(pdf, paginaDi[k], cartella.filePath("posti"));
                    break;
                }
    }

    // Every item's number, sentence and figures, in order, are what the rules drew.
    void ogniElementoComeLeRegole()
    {
        QCOMPARE(elementi.size(), voci.size());
        QList<int> figure;
        for (int k = 0; k < voci.size(); ++k) {
            const auto& [id, a] = voci[k];
            const QStringList t = testi(elementi[k]);
            QCOMPARE(t[0], QString::number(k % Quante + 1));
            for (const QString& frase : a.frasi)
                QVERIFY2(contiene(t, frase), qPrintable(QString("%1 item %2 lacks \"%3\": %4").arg(Catalogo::riga(id).nome).arg(t[0], frase, t.join(' '))));
            for (int n : a.figure)
                figure << qualeFigura(n);
        }
        QCOMPARE(figureStampate, figure);
    }

    // The key: each item's number and what the rules judge right, the boxes as they stand.
    void soluzioniComeLeRegole()
    {
        const QList<QList<Parola>> voce = voceDellaChiave();
        QCOMPARE(voce.size(), voci.size());
        // How far the cross stands from its number, for the left and for the right box.
        QList<double> sinistra, destra;
        for (qsizetype k = 0; k < voci.size(); ++k) {
            const auto& [id, a] = voci[k];
            QCOMPARE(voce[k][0].t, QString::number(k % Quante + 1) + '.');
            const QStringList detto = testi(voce[k].mid(1));
            if (a.casella < 0) {
                QCOMPARE(detto, a.risposta);
                continue;
            }
            QCOMPARE(detto, QStringList{"X"});
            (a.casella == 0 ? sinistra : destra) << voce[k][1].r.center().x() - voce[k][0].r.right();
        }
        QVERIFY(!sinistra.isEmpty() && !destra.isEmpty());
        QVERIFY(*std::max_element(sinistra.begin(), sinistra.end()) < *std::min_element(destra.begin(), destra.end()));
    }

    // A fresh draw each: no exercise's items, as printed with their answers, all alike; the seed
    // makes the same sheets again, another seed others.
    void elementiDiversiESemeRipetibile()
    {
        const QList<QList<Parola>> risposte = voceDellaChiave();
        QCOMPARE(risposte.size(), voci.size());
        for (int e = 0, f = 0; e < esercizi_().size(); ++e) {
            QSet<QString> diversi;
            for (int k = e * Quante; k < (e + 1) * Quante; ++k) {
                QString s = testi(elementi[k]).mid(1).join(' ') + testi(risposte[k]).join(' ');
                for (int n = 0; n < voci[k].second.figure.size(); ++n)
                    s += ' ' + QString::number(figureStampate[f++]);
                diversi << s;
            }
            QVERIFY2(diversi.size() > 1, esercizi_()[e].sigla);
        }

        const auto stampa = [&](quint64 seme) {
            const QString file = cartella.filePath(QString("seme %1.pdf").arg(seme));
            esegui(build() + "/bussolino", {"--schede", "detective-3", "a-destra-di-2", "--quante", "3", "--soluzioni", "--seme", QString::number(seme), "-o", file});
            QStringList s{strumento("pdftotext", {file, "-"})};
            for (const Foglio& f : leggi(file, cartella.filePath("figure")))
                for (int n : f.figure)
                    s << QString::number(n);
            return s;
        };
        const QStringList una = stampa(Seme);
        QVERIFY(una[0].contains(QString("seme %1").arg(Seme)));
        QCOMPARE(stampa(Seme), una);
        QVERIFY(stampa(Seme + 1) != una);
    }

    // A4 pages; words (and pictures, where their places were read) inside the margins, none
    // over another; each item's words apart from every other item's; the margins blank when printed.
    void paginaPulita()
    {
        QCOMPARE(strumento("pdfinfo", {"-f", "1", "-l", "999", pdf}).count("(A4)"), fogli.size());
        const QRectF dentro(Margine, Margine, 595.276 - 2 * Margine, 841.89 - 2 * Margine);
        const auto sopra = [](QRectF a, QRectF b) { return a.adjusted(0.5, 0.5, -0.5, -0.5).intersects(b.adjusted(0.5, 0.5, -0.5, -0.5)); };
        int letti = 0;
        for (int n = 0; n < fogli.size(); ++n) {
            QVERIFY(fogli[n].posti.isEmpty() || fogli[n].posti.size() == fogli[n].figure.size());
            letti += int(fogli[n].posti.size());
            QList<Parola> tutto = fogli[n].parole;
            for (const QRectF& r : fogli[n].posti)
                tutto << Parola{r, QString("picture at %1,%2").arg(r.x()).arg(r.y())};
            for (int i = 0; i < tutto.size(); ++i) {
                QVERIFY2(dentro.contains(tutto[i].r), qPrintable(QString("page %1: \"%2\" crosses a margin").arg(n + 1).arg(tutto[i].t)));
                for (int j = i + 1; j < tutto.size(); ++j)
                    QVERIFY2(!sopra(tutto[i].r, tutto[j].r), qPrintable(QString("page %1: \"%2\" over \"%3\"").arg(n + 1).arg(tutto[i].t, tutto[j].t)));
            }
        }
        QCOMPARE(letti, 4 * Quante + 4 * 6);  // four pages of one figure an item, one of six
        QList<QRectF> zone;
        for (const QList<Parola>& e : std::as_const(elementi)) {
            zone << QRectF();
            for (const Parola& p : e)
                zone.last() |= p.r;
        }
        for (int i = 0; i < zone.size(); ++i)
            for (int j = i + 1; j < zone.size() && paginaDi[j] == paginaDi[i]; ++j)
                QVERIFY2(!sopra(zone[i], zone[j]), qPrintable(QString("items %1 and %2 overlap").arg(i).arg(j)));
        // Drawn at 24 dpi: the 12 mm band round every page is paper only.
        strumento("pdftoppm", {"-r", "24", "-gray", "-png", pdf, cartella.filePath("pagina")});
        const QStringList png = QDir(cartella.path()).entryList({"pagina*.png"}, QDir::Files, QDir::Name);
        QCOMPARE(png.size(), fogli.size());
        const int b = int(Margine / 72 * 24) - 1;
        for (const QString& f : png) {
            const QImage i = QImage(cartella.filePath(f)).convertToFormat(QImage::Format_Grayscale8);
            for (int y = 0; y < i.height(); ++y)
                for (int x = 0; x < i.width(); ++x)
                    if (x < b || y < b || x >= i.width() - b || y >= i.height() - b)
                        QVERIFY2(qGray(i.pixel(x, y)) > 250, qPrintable(f + QString(" marked at %1,%2").arg(x).arg(y)));
        }
    }

    // Text in embedded fonts; figures lossless and at 300 dpi or more; the drawings never pictures.
    void qualitaDiStampa()
    {
        const QStringList caratteri = strumento("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!caratteri.isEmpty());
        for (const QString& c : caratteri)
            QVERIFY2(colonne(c).value(colonne(c).size() - 5) == "yes", qPrintable(c));  // emb sub uni object generation
        const QStringList immagini = strumento("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(immagini.size(), figureStampate.size());
        for (const QString& riga : immagini) {
            const QStringList c = colonne(riga);  // page num type width height color comp bpc enc interp object gen x-ppi y-ppi
            QVERIFY2(c[2] == "image" && c[8] == "image", qPrintable(riga));
            QVERIFY2(c[12].toInt() >= 300 && c[13].toInt() >= 300, qPrintable(riga));
        }
    }

    // Every mistake as the manual says: its status, one line naming it, and no file left behind.
    void sbagli_data()
    {
        QTest::addColumn<QStringList>("argomenti");  // %1: a file in an empty folder, %2: the folder
        QTest::addColumn<int>("esito");
        QTest::addColumn<QString>("detto");           // the first line on stderr
        const QString nomi = [] {
            QStringList n;
            for (const Esercizio& e : esercizi_())
                n << e.sigla;
            return n.join(", ");
        }();
        QTest::newRow("unknown exercise") << QStringList{"--schede", "su-di-te", "-o", "%1"} << 2
                                          << "unknown exercise 'su-di-te'; the exercises are: " + nomi;
        for (const char* n : {"0", "201", "sei", ""})
            QTest::addRow("--quante '%s'", n) << QStringList{"--schede", "su-di-me", "--quante", n, "-o", "%1"} << 2
                                              << QString("--quante must be a number from 1 to 200, not '%1'").arg(n);
        QTest::newRow("a seed below 0") << QStringList{"--schede", "su-di-me", "--seme", "-5", "-o", "%1"} << 2 << "--seme must be";
        QTest::newRow("no exercise") << QStringList{"--schede", "-o", "%1"} << 2 << "-o needs the exercises to print";
        QTest::newRow("no --schede") << QStringList{"--soluzioni"} << 2 << "--soluzioni is for --schede only";
        QTest::newRow("folder missing") << QStringList{"--schede", "su-di-me", "-o", "%2/nessuna/schede.pdf"} << 1
                                        << "cannot write %2/nessuna/schede.pdf: No such file or directory";
        QTest::newRow("a folder") << QStringList{"--schede", "su-di-me", "-o", "%2"} << 1 << "cannot write %2:";
        QTest::newRow("the window with no display") << QStringList{"--schede", "su-di-me"} << 1 << "DISPLAY is not set";
    }
    void sbagli()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(int, esito);
        QFETCH(QString, detto);
        QTemporaryDir d;
        const auto posti = [&](QString s) { return s.replace("%1", d.filePath("schede.pdf")).replace("%2", d.path()); };
        for (QString& a : argomenti)
            a = posti(a);
        const Uscita u = esegui(build() + "/bussolino", argomenti);
        QCOMPARE(u.rc, esito);
        QVERIFY2(u.err.section('\n', 0, 0).contains(posti(detto)), qPrintable(u.err));
        QVERIFY(u.out.isEmpty());
        QCOMPARE(QDir(d.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // A program missing a part says which and writes nothing: a figure gone leaves the teacher's
    // older sheets as they were; the game without its worksheet maker says so.
    void programmaIncompleto()
    {
        QTemporaryDir d;
        QDir(d.path()).mkpath("lib");
        QDir(d.path()).mkpath("gif");
        QVERIFY(QFile::copy(build() + "/lib/bussolino-schede", d.filePath("lib/bussolino-schede")));
        for (int n = 1; n <= 56; ++n)
            if (n != 7)
                QVERIFY(QFile::link(build() + QString("/gif/%1.gif").arg(n), d.filePath(QString("gif/%1.gif").arg(n))));
        QFile vecchie(d.filePath("schede.pdf"));
        QVERIFY(vecchie.open(QIODevice::WriteOnly) && vecchie.write("le schede di ieri") > 0);
        vecchie.close();
        const QStringList prima = QDir(d.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        Uscita u = esegui(d.filePath("lib/bussolino-schede"), {"--schede", "detective-3", "--quante", "200", "-o", d.filePath("schede.pdf")});
        QCOMPARE(u.rc, 1);
        QVERIFY2(u.err.startsWith("bussolino: cannot read the figure " + d.filePath("gif/7.gif")), qPrintable(u.err));
        QCOMPARE(QDir(d.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), prima);
        QVERIFY(vecchie.open(QIODevice::ReadOnly));
        QCOMPARE(vecchie.readAll(), QByteArray("le schede di ieri"));

        QTemporaryDir solo;
        QVERIFY(QFile::copy(build() + "/bussolino", solo.filePath("bussolino")));
        u = esegui(solo.filePath("bussolino"), {"--schede", "su-di-me", "-o", solo.filePath("schede.pdf")});
        QCOMPARE(u.rc, 1);
        QVERIFY2(u.err.startsWith("bussolino: cannot start the worksheet maker"), qPrintable(u.err));
        QVERIFY(!QFile::exists(solo.filePath("schede.pdf")));
    }

    // The teacher's window makes what it shows: nothing to print until an exercise is chosen,
    // then the exercise, count, name line and key chosen; a file it cannot write is said.
    void finestra()
    {
        Percorsi::impostaCartellaProgramma(build());
        FinestraInsegnante f;
        const auto bottone = [&](const QString& t) {
            for (QPushButton* b : f.findChildren<QPushButton*>())
                if (b->text() == t)
                    return b;
            return static_cast<QPushButton*>(nullptr);
        };
        QVERIFY(!bottone("Stampa...")->isEnabled() && !bottone("Salva PDF...")->isEnabled());
        for (QCheckBox* c : f.findChildren<QCheckBox*>())
            if (c->text() == "Vero e falso 2" || c->text().startsWith("Una riga") || c->text().contains("soluzioni"))
                c->toggle();
        f.findChild<QSpinBox*>()->setValue(7);
        QVERIFY(bottone("Stampa...")->isEnabled() && bottone("Salva PDF...")->isEnabled());
        QVERIFY(f.salvaIn(cartella.filePath("finestra.pdf")));
        const QString t = strumento("pdftotext", {"-raw", cartella.filePath("finestra.pdf"), "-"});
        QVERIFY(t.startsWith("Vero e falso 2\n"));  // no name line
        QVERIFY(t.contains("Soluzioni\n") && t.contains("\n7. ") && !t.contains("8. "));

        const auto domanda = rispondiAlProssimo(QMessageBox::Ok);
        QVERIFY(!f.salvaIn(cartella.path()));
        QVERIFY(domanda->vista && domanda->testo.contains(cartella.path()));
    }
};

BUSSOLINO_TEST_MAIN(TestSchede)
#include "test_schede.moc"
