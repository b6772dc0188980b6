// The worksheets read back from their PDF with poppler's tools, as a printer and a teacher meet
// them: every item's sentence, figures and key answer are what its rules show and judge right,
// each exercise comes back the same from its number, every page's answers are balanced, paper has
// paper's words, the boxes stand as on the screen and the animals clear of the lines; the pages
// are A4 with nothing across a margin or over anything else, text is text in an embedded font,
// figures sharp at 300 dpi and drawings vectors; every mistake ends as the manual says; the
// teacher's window reprints by number and previews what it prints.
#include "support/Aiuto.h"

#include "exercises/Corpo.h"
#include "exercises/Detective.h"
#include "exercises/Righe.h"
#include "exercises/VeroFalso.h"
#include "services/Percorsi.h"
#include "services/Voce.h"
#include "sheets/FinestraInsegnante.h"
#include "sheets/Forme.h"
#include "sheets/Quesiti.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
#include <QPushButton>
#include <QSpinBox>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace {

QString build() { return qEnvironmentVariable("BUSSOLINO_BUILD_DIR"); }

// What an item shows and what its key says, as the rules give them.
struct Atteso {
    QStringList frasi;     // each written as one run of words
    QList<int> figure;     // in the order shown
    int oggetto = 0;       // the object or animal, which no text tells
    QStringList risposta;  // the words of its key answer
    int casella = -1;      // the box crossed in the key, 0 left or 1 right; -1: words
};

Atteso corpo(const Corpo& c, bool oggetto)
{
    Atteso a{{c.fraseStampata()}, {c.figura()}, c.Posizione, {}};
    if (oggetto)
        a.risposta = {c.giusta(Corpo::RispostaDestra) ? "DESTRA" : "SINISTRA"};
    else
        a.casella = c.giusta(Corpo::Sinistra) ? 0 : 1;
    return a;
}

Atteso veroFalso(const VeroFalso& v)
{
    return {{v.frase()}, {v.NumeroFigura}, 0, {v.giusta(VeroFalso::Vero) ? "VERO" : "FALSO"}};
}

Atteso detective(const Detective& d)
{
    Atteso a{d.frasi(), QList<int>(d.NumeriFigure.begin(), d.NumeriFigure.end()), 0, {}};
    for (int i : d.giuste())
        a.risposta << QString(QChar('A' + i));  // the pictures lettered in reading order
    return a;
}

// The question the voice asks, in capitals; for each line the right side, the line named by its
// colour where there are two.
Atteso righe(const Righe& r)
{
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

Atteso atteso(const Quesiti::Quesito& q)
{
    if (const auto* c = std::get_if<Corpo>(&q.regole))
        return corpo(*c, Quesiti::forma(q.id) == Quesiti::Forma::Oggetto);
    if (const auto* v = std::get_if<VeroFalso>(&q.regole))
        return veroFalso(*v);
    if (const auto* d = std::get_if<Detective>(&q.regole))
        return detective(*d);
    return righe(std::get<Righe>(q.regole));
}

// Each exercise by its short name.
struct Esercizio {
    Id id;
    const char* sigla;
};
const QList<Esercizio>& esercizi_()
{
    static const QList<Esercizio> e{
        {Id::Form1, "su-di-me"},         {Id::Form2, "alla-mia-1"},        {Id::Form3, "alla-mia-2"},
        {Id::Form4, "vero-falso-1"},     {Id::Form5, "vero-falso-2"},      {Id::Form6, "vero-falso-3"},
        {Id::Form7, "detective-1"},      {Id::Form8, "detective-2"},       {Id::Form9, "detective-3"},
        {Id::FormDentroFuori1, "a-destra-di-1"}, {Id::Form10, "a-destra-di-2"},
    };
    return e;
}

int perPagina(Id id)
{
    const Forme::Modello& m = Forme::modello(Quesiti::forma(id));
    return m.colonne * m.righe;
}

// The sheet's items, exercise after exercise, as drawn from the number.
QList<std::pair<Id, Atteso>> attesi(quint64 seme, int quante)
{
    QList<std::pair<Id, Atteso>> voci;
    for (const Esercizio& e : esercizi_())
        for (const Quesiti::Quesito& q : Quesiti::estrai(e.id, quante, perPagina(e.id), seme))
            voci << std::pair{e.id, atteso(q)};
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

// A PDF read back: its pages, each item's words (from its number to the next item's or the
// page's foot), the page each stands on, the figures in order, the key's words.
struct Lette {
    QList<Foglio> fogli;
    QList<QList<Parola>> elementi;
    QList<int> paginaDi;
    QList<int> figureStampate;
    QList<Parola> chiave;
};

// Each entry of the key: its number, then the words on its row.
QList<QList<Parola>> vociDellaChiave(const QList<Parola>& chiave)
{
    QList<QList<Parola>> v;
    for (const Parola& p : chiave)
        if (QRegularExpression("^\\d+\\.$").match(p.t).hasMatch())
            v << QList<Parola>{p};
        else if (!v.isEmpty() && std::abs(p.r.center().y() - v.last()[0].r.center().y()) < 3)  // not the next exercise's name
            v.last() << Parola{p.r, QString(p.t).remove(QRegularExpression("[,:]"))};
    return v;
}

int figureDi(Id id)
{
    switch (Quesiti::forma(id)) {
    case Quesiti::Forma::Detective: return 6;
    case Quesiti::Forma::UnaRiga:
    case Quesiti::Forma::DueRighe: return 0;
    default: return 1;
    }
}

// Each item as a teacher sees it printed, exercise by exercise (`ids`: one an item): its words,
// its figures and its answer in the key.
QHash<Id, QStringList> firme(const Lette& l, const QList<Id>& ids)
{
    const QList<QList<Parola>> risposte = vociDellaChiave(l.chiave);
    QHash<Id, QStringList> fatti;
    for (int k = 0, f = 0; k < l.elementi.size() && k < ids.size(); ++k) {
        QString s = testi(l.elementi[k]).join(' ') + " = " + testi(risposte.value(k)).join(' ');
        for (int n = 0; n < figureDi(ids[k]); ++n)
            s += QString(" [%1]").arg(l.figureStampate.value(f++));
        fatti[ids[k]] << s;
    }
    return fatti;
}

// The fields of "A destra di......" on a page drawn in colour: each outlined in black, its edges
// the longest black runs of the page; inside, the lines are the columns coloured from top to
// bottom, the animal whatever else is coloured.
struct Campo {
    QRect bordo;               // the outline's outer edges
    QList<std::pair<int, int>> righe;  // each line's first and last column
    QRect animale;
};
QList<Campo> campi(const QImage& i, int lunga)
{
    const auto nero = [&](int x, int y) { return qGray(i.pixel(x, y)) < 90; };
    const auto bianco = [&](int x, int y) {
        const QRgb c = i.pixel(x, y);
        return qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230;
    };
    // The long black runs, one a run of rows.
    struct Bordo { int y0, y1, x0, x1; };
    QList<Bordo> bordi;
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x) {
            int fine = x;
            while (fine < i.width() && nero(fine, y))
                ++fine;
            if (fine - x >= lunga) {
                auto stesso = std::find_if(bordi.begin(), bordi.end(), [&](const Bordo& b) { return b.y1 >= y - 1 && std::abs(b.x0 - x) < 4; });
                if (stesso == bordi.end())
                    bordi << Bordo{y, y, x, fine - 1};
                else
                    stesso->y1 = y;
            }
            x = fine;
        }
    QList<Campo> c;
    while (!bordi.isEmpty()) {
        const Bordo alto = bordi.takeFirst();
        const auto basso = std::find_if(bordi.begin(), bordi.end(), [&](const Bordo& b) { return std::abs(b.x0 - alto.x0) < 4 && std::abs(b.x1 - alto.x1) < 4; });
        if (basso == bordi.end())
            break;
        Campo campo{QRect(QPoint(alto.x0, alto.y0), QPoint(basso->x1, basso->y1)), {}, {}};
        bordi.erase(basso);
        const QRect dentro = campo.bordo.adjusted(5, 5, -5, -5);
        for (int x = dentro.left(); x <= dentro.right(); ++x) {
            int colorati = 0;
            for (int y = dentro.top(); y <= dentro.bottom(); ++y)
                colorati += !bianco(x, y);
            if (colorati > 0.95 * dentro.height()) {
                if (!campo.righe.isEmpty() && campo.righe.last().second == x - 1)
                    campo.righe.last().second = x;
                else
                    campo.righe << std::pair{x, x};
            } else if (colorati > 0)
                for (int y = dentro.top(); y <= dentro.bottom(); ++y)
                    if (!bianco(x, y))
                        campo.animale |= QRect(x, y, 1, 1);
        }
        c << campo;
    }
    return c;
}

// The right answer of an item as the key gives it: the box, or the words.
QString giustaDi(const Atteso& a) { return a.casella >= 0 ? QString::number(a.casella) : a.risposta.join(' '); }

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
    QHash<Id, QStringList> firmeDiTutte;

    QList<QList<Parola>> voceDellaChiave() const { return vociDellaChiave(chiave); }

    // The item pages in order, each titled with its item's exercise (`ids`, one an item) under
    // the name line, cut into items; the key's words.
    void dividi(Lette& l, const QList<Id>& ids)
    {
        int k = 0;
        for (int n = 0; n < l.fogli.size(); ++n) {
            const Foglio& f = l.fogli[n];
            QList<Parola> p = f.parole.mid(0, testi(f.parole).lastIndexOf("Bussolino"));
            if (f.chiave()) {
                l.chiave << p.mid(1);
                continue;
            }
            QStringList t = testi(p);
            const qsizetype nome = t.startsWith("Nome") ? 3 : 0;
            const QStringList titolo = colonne(QString::fromUtf8(Catalogo::riga(ids.value(k)).didascalia));
            QCOMPARE(t.mid(nome, titolo.size()), titolo);
            // Then the one line on how to answer, which has no number.
            for (qsizetype i = t.indexOf(QRegularExpression("^\\d+$"), nome + titolo.size()); i >= 0 && i < t.size(); ++k) {
                const qsizetype prossimo = t.indexOf(QRegularExpression("^\\d+$"), i + 1);
                l.elementi << p.mid(i, prossimo < 0 ? -1 : prossimo - i);
                l.paginaDi << n;
                i = prossimo;
            }
            l.figureStampate << f.figure;
        }
    }

    // The sheets `argomenti` make, read back, each item as a teacher sees it printed, exercise
    // by exercise: its words, its figures and its answer in the key.
    QHash<Id, QStringList> stampati(const QStringList& esercizi, int quante, quint64 seme)
    {
        const QString file = cartella.filePath(esercizi.join('+') + QString(" %1.pdf").arg(quante));
        const Uscita u = esegui(build() + "/bussolino", QStringList{"--schede"} + esercizi +
                                                            QStringList{"--quante", QString::number(quante), "--soluzioni", "--seme",
                                                                        QString::number(seme), "-o", file});
        if (u.rc != 0)
            return {};
        QList<Id> ids;
        for (const QString& e : esercizi)
            for (int n = 0; n < quante; ++n)
                ids << *Catalogo::daSigla(e);
        Lette l;
        l.fogli = leggi(file, cartella.filePath("figure"));
        dividi(l, ids);
        return firme(l, ids);
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
        voci = attesi(Seme, Quante);
        QList<Id> ids;
        for (const auto& v : std::as_const(voci))
            ids << v.first;
        Lette l;
        l.fogli = leggi(pdf, cartella.filePath("figure"));
        dividi(l, ids);
        fogli = l.fogli;
        elementi = l.elementi;
        paginaDi = l.paginaDi;
        figureStampate = l.figureStampate;
        chiave = l.chiave;
        firmeDiTutte = firme(l, ids);
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
        QVERIFY(una[0].contains(QString("numero %1").arg(Seme)));
        QCOMPARE(stampa(Seme), una);
        QVERIFY(stampa(Seme + 1) != una);
    }

    // A sheet printed again by its number: each exercise's items are the same whatever else is
    // printed with it and in whatever order, and however many: the first of more are the fewer.
    void ristampaPerNumero()
    {
        const QHash<Id, QStringList> sole = stampati({"vero-falso-1"}, Quante + 2, Seme);
        QCOMPARE(sole.value(Id::Form4).size(), Quante + 2);
        QCOMPARE(sole.value(Id::Form4).mid(0, Quante), firmeDiTutte.value(Id::Form4));
        const QHash<Id, QStringList> altre = stampati({"a-destra-di-2", "su-di-me", "detective-3"}, 3, Seme);
        for (Id id : {Id::Form10, Id::Form1, Id::Form9})
            QCOMPARE(altre.value(id), firmeDiTutte.value(id).mid(0, 3));
        QVERIFY(stampati({"vero-falso-1"}, Quante + 2, Seme + 1).value(Id::Form4) != sole.value(Id::Form4));
    }

    // However many items a sheet holds, every page of a two-answer exercise shows both answers,
    // neither on more than two-thirds of its items nor on more than three in a row; on a page of
    // "Il detective" the right figure is not always in one place, nor the animal among two lines
    // on one side of both. Over many numbers each answer still comes about as often as the other.
    void pagineEquilibrate()
    {
        for (const Esercizio& e : esercizi_()) {
            const int pagina = perPagina(e.id);
            const bool due = !QList<Id>{Id::Form7, Id::Form8, Id::Form9, Id::Form10}.contains(e.id);
            QHash<QString, int> volte;
            for (quint64 seme = 1; seme <= 1500; ++seme) {
                const QList<Quesiti::Quesito> q = Quesiti::estrai(e.id, 2 * pagina, pagina, seme);
                QStringList giuste;
                for (const Quesiti::Quesito& uno : q)
                    giuste << giustaDi(atteso(uno));
                for (const QString& g : std::as_const(giuste))
                    ++volte[g];
                // A sheet of `fine` items ends its page there.
                for (int inizio = 0; inizio < giuste.size(); inizio += pagina)
                    for (int fine = inizio + 2; fine <= inizio + pagina; ++fine) {
                        const QStringList p = giuste.mid(inizio, fine - inizio);
                        const QString detto = QString("%1, number %2, a page of %3: %4").arg(e.sigla).arg(seme).arg(p.size()).arg(p.join(','));
                        for (int i = 3; i < p.size(); ++i)
                            QVERIFY2(p[i] != p[i - 1] || p[i] != p[i - 2] || p[i] != p[i - 3], qPrintable(detto));
                        QVERIFY2(p.count(p[0]) < p.size(), qPrintable(detto));
                        if (due)
                            QVERIFY2(3 * std::max(p.count(p[0]), p.size() - p.count(p[0])) <= 2 * p.size(), qPrintable(detto));
                    }
            }
            if (due) {
                QCOMPARE(volte.size(), 2);
                const double una = double(volte.cbegin().value()) / (1500 * 2 * pagina);
                QVERIFY2(una > 0.4 && una < 0.6, qPrintable(QString("%1: %2").arg(e.sigla).arg(una)));
            }
        }
    }

    // Paper has nothing to click and writes the verb "È"; the boxes DESTRA and SINISTRA stand one
    // above the other wherever they are, DESTRA on top.
    void paroleECaselleDellaCarta()
    {
        const QString tutto = strumento("pdftotext", {pdf, "-"});
        QVERIFY(!tutto.contains("CLICCA") && !tutto.contains("E'"));
        QVERIFY(tutto.contains("IL MIO LATO DESTRO") || tutto.contains("IL MIO LATO SINISTRO"));
        QVERIFY(tutto.contains("IL MICETTO È ALLA MIA") && tutto.contains("È ALLA MIA"));
        // "......" only in the exercises' names.
        QString senzaNomi = strumento("pdftotext", {"-raw", pdf, "-"});
        for (const Esercizio& e : esercizi_())
            senzaNomi.remove(QString::fromUtf8(Catalogo::riga(e.id).didascalia).simplified());
        QVERIFY(tutto.contains("......") && !senzaNomi.contains(".."));
        int coppie = 0;
        for (int k = 0; k < voci.size(); ++k) {
            if (!QList<Id>{Id::Form3, Id::FormDentroFuori1, Id::Form10}.contains(voci[k].first))
                continue;
            // The boxes' words follow the question, which names the sides too.
            QList<Parola> p = elementi[k];
            for (int i = int(p.size()) - 1; i >= 0; --i)
                if (p[i].t.endsWith('?')) {
                    p = p.mid(i + 1);
                    break;
                }
            QList<QRectF> destre, sinistre;
            for (const Parola& w : std::as_const(p))
                if (w.t == "DESTRA")
                    destre << w.r;
                else if (w.t == "SINISTRA")
                    sinistre << w.r;
            QCOMPARE(destre.size(), voci[k].first == Id::Form10 ? 2 : 1);
            QCOMPARE(sinistre.size(), destre.size());
            for (int i = 0; i < destre.size(); ++i, ++coppie)
                QVERIFY2(std::abs(destre[i].left() - sinistre[i].left()) < 0.5 && sinistre[i].top() > destre[i].bottom(),
                         qPrintable(QString("item %1: DESTRA at %2,%3, SINISTRA at %4,%5").arg(k).arg(destre[i].left()).arg(destre[i].top()).arg(sinistre[i].left()).arg(sinistre[i].top())));
        }
        QCOMPARE(coppie, 4 * Quante);  // one pair an item, two on two lines
    }

    // On paper every animal stands at least 3 mm clear of every line and of its field's edge,
    // wherever the rules put it: every place of both exercises, read from the printed pages.
    void animaliLontaniDalleRighe()
    {
        constexpr int Quanti = 48;
        const QString file = cartella.filePath("animali.pdf");
        QCOMPARE(esegui(build() + "/bussolino", {"--schede", "a-destra-di-1", "a-destra-di-2", "--quante", QString::number(Quanti),
                                                 "--senza-nome", "--seme", "5", "-o", file}).rc, 0);
        // Items repeat none before them while the rules have others: these show every place.
        QList<int> posti;
        for (Id id : {Id::FormDentroFuori1, Id::Form10}) {
            QSet<int> diversi;
            for (const Quesiti::Quesito& q : Quesiti::estrai(id, Quanti, perPagina(id), 5))
                diversi << std::get<Righe>(q.regole).Posizione;
            posti << int(diversi.size());
        }
        QCOMPARE(posti, (QList<int>{30, 45}));
        constexpr int Dpi = 150;
        const double luce = 3 / 25.4 * Dpi - 1;  // a pixel for the edges' shading
        strumento("pdftoppm", {"-r", QString::number(Dpi), "-png", file, cartella.filePath("animali")});
        const QStringList png = QDir(cartella.path()).entryList({"animali*.png"}, QDir::Files, QDir::Name);
        int visti = 0;
        for (const QString& f : png) {
            const QImage i = QImage(cartella.filePath(f)).convertToFormat(QImage::Format_RGB32);
            for (const Campo& c : campi(i, Dpi)) {
                ++visti;
                const QString dove = QString("%1, field at %2,%3").arg(f).arg(c.bordo.left()).arg(c.bordo.top());
                QVERIFY2(!c.animale.isEmpty() && !c.righe.isEmpty() && c.righe.size() <= 2, qPrintable(dove));
                const QRect bordo = c.bordo.adjusted(2, 2, -2, -2);  // the outline's ink inside
                QList<double> spazi{double(c.animale.left() - bordo.left()), double(bordo.right() - c.animale.right()),
                                    double(c.animale.top() - bordo.top()), double(bordo.bottom() - c.animale.bottom())};
                for (const auto& [da, a] : c.righe)
                    spazi << (a < c.animale.left() ? c.animale.left() - a : da - c.animale.right());
                QVERIFY2(*std::min_element(spazi.begin(), spazi.end()) >= luce,
                         qPrintable(dove + QString(": %1 pixels of %2 dpi").arg(*std::min_element(spazi.begin(), spazi.end())).arg(Dpi)));
            }
        }
        QCOMPARE(visti, 2 * Quanti);
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

    // A number typed in the window prints that sheet again, as the command line does; left
    // empty, each save is a new sheet, whose number the window and every page say.
    void finestraRistampa()
    {
        Percorsi::impostaCartellaProgramma(build());
        FinestraInsegnante f;
        for (QCheckBox* c : f.findChildren<QCheckBox*>())
            if (c->text() == "Su di me" || c->text() == "Il detective 3")
                c->toggle();
        QLineEdit* numero = f.findChild<QLineEdit*>();
        numero->setText("4711");
        const QString scritte = cartella.filePath("scritta.pdf"), comando = cartella.filePath("comando.pdf");
        QVERIFY(f.salvaIn(scritte));
        QCOMPARE(esegui(build() + "/bussolino", {"--schede", "su-di-me", "detective-3", "--seme", "4711", "-o", comando}).rc, 0);
        const QString t = strumento("pdftotext", {scritte, "-"});
        QCOMPARE(t, strumento("pdftotext", {comando, "-"}));
        QCOMPARE(t.count("numero 4711"), 3);

        numero->clear();
        QStringList numeri;
        for (const char* nome : {"nuova.pdf", "altra.pdf"}) {
            QVERIFY(f.salvaIn(cartella.filePath(nome)));
            for (QLabel* l : f.findChildren<QLabel*>())
                if (l->text().startsWith("Schede salvate"))
                    numeri << QRegularExpression("\\(numero (\\d+)\\)").match(l->text()).captured(1);
            QCOMPARE(strumento("pdftotext", {cartella.filePath(nome), "-"}).count("numero " + numeri.last()), 3);
        }
        QVERIFY(!numeri[0].isEmpty() && numeri[0] != numeri[1]);
    }

    // "Anteprima..." opens Qt's own preview, in Italian, on the very pages the window prints
    // next: as many, with the same words, drawn alike.
    void anteprima()
    {
        Percorsi::impostaCartellaProgramma(build());
        FinestraInsegnante f;
        for (QCheckBox* c : f.findChildren<QCheckBox*>())
            if (c->text() == "Alla mia...... 2" || c->text() == "A destra di...... 2" || c->text().contains("soluzioni"))
                c->toggle();
        f.findChild<QSpinBox*>()->setValue(7);
        const QString mostrate = cartella.filePath("anteprima.pdf"), salvate = cartella.filePath("dopo l'anteprima.pdf");
        int pagine = -1;
        QString titolo;
        QStringList azioni;
        QTimer guarda;
        connect(&guarda, &QTimer::timeout, this, [&] {
            auto* d = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            auto* w = d ? d->findChild<QPrintPreviewWidget*>() : nullptr;
            if (!w || w->pageCount() == 0)
                return;
            guarda.stop();
            pagine = w->pageCount();
            titolo = d->windowTitle();
            for (const QAction* a : d->findChildren<QAction*>())
                azioni << a->text();
            // What it shows, printed from it into a file.
            d->printer()->setOutputFormat(QPrinter::PdfFormat);
            d->printer()->setOutputFileName(mostrate);
            w->print();
            d->reject();
        });
        guarda.start(20);
        QPushButton* bottone = nullptr;
        for (QPushButton* b : f.findChildren<QPushButton*>())
            if (b->text() == "Anteprima...")
                bottone = b;
        QVERIFY(bottone && bottone->isEnabled());
        bottone->click();
        QCOMPARE(titolo, "Anteprima delle schede");
        QVERIFY2(azioni.contains("Pagina successiva") && azioni.contains("Stampa") && !azioni.contains("Print"), qPrintable(azioni.join(", ")));
        QVERIFY(f.salvaIn(salvate));
        QCOMPARE(pagine, strumento("pdfinfo", {salvate}).section("Pages:", 1).section('\n', 0, 0).trimmed().toInt());
        QCOMPARE(strumento("pdftotext", {mostrate, "-"}), strumento("pdftotext", {salvate, "-"}));
        for (const QString& pdf : {mostrate, salvate})
            strumento("pdftoppm", {"-r", "36", "-png", pdf, pdf.chopped(4)});
        for (int n = 1; n <= pagine; ++n) {
            const auto pagina = [&](const QString& pdf) {
                const int cifre = int(QString::number(pagine).size());  // as pdftoppm numbers its files
                return QImage(pdf.chopped(4) + QString("-%1.png").arg(n, cifre, 10, QChar('0'))).convertToFormat(QImage::Format_RGB32);
            };
            const QImage a = pagina(mostrate), b = pagina(salvate);
            QVERIFY(!a.isNull() && a.size() == b.size());
            int diversi = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    diversi += qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)) > 8 || qGray(b.pixel(x, y)) - qGray(a.pixel(x, y)) > 8;
            QVERIFY2(diversi == 0, qPrintable(QString("page %1: %2 pixels differ").arg(n).arg(diversi)));
        }
    }
};

BUSSOLINO_TEST_MAIN(TestSchede)
#include "test_schede.moc"
