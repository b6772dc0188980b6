// A set of worksheets: items, pages, the key, and the PDF file or the printer they go to.
#include "sheets/Schede.h"

#include "services/Percorsi.h"
#include "sheets/Carta.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>

namespace Schede {

namespace {

using Carta::Altezza;
using Carta::LarghezzaUtile;
using Carta::Margine;
using Carta::Testo;

const Testo Nome{12};
const Testo Titolo{20, true};
const Testo Istruzione{12};
const Testo TestoPiede{8, false, QColor(64, 64, 64)};
const Testo TitoloChiave{13, true};

constexpr double RigaNome = 30, RigaTitolo = 28, RigaIstruzione = 22, AltezzaPiede = 14;
constexpr double Tra = 12;          // between items
constexpr double RigaChiave = 18;   // an answer in the key
constexpr double TestaChiave = 24;  // an exercise's name in the key

QString didascalia(Catalogo::Id id)
{
    return QString::fromUtf8(Catalogo::riga(id).didascalia).simplified();
}


constexpr double BassoElementi = Altezza - Margine - AltezzaPiede;

// How many of an exercise's answers stand in a row of the key.
int chiaviPerRiga(Catalogo::Id id)
{
    return std::max(1, int(LarghezzaUtile / Forme::modello(Quesiti::forma(id)).larghezzaChiave));
}

// Name, class and date at the top of a page, each a line to write on.
void rigaNome(Carta::Pagina& c, double y)
{
    const struct {
        const char* parola;
        double fine;
    } campi[] = {{"Nome", 0.55}, {"Classe", 0.78}, {"Data", 1.0}};
    double x = Margine;
    for (const auto& campo : campi) {
        const QString parola = QString::fromLatin1(campo.parola);
        const double larga = c.larghezza(parola, Nome) + 4;
        c.testo({x, y, larga, 18}, parola, Nome, Qt::AlignLeft | Qt::AlignBottom);
        c.linea({x + larga + 2, y + 17}, {Margine + campo.fine * LarghezzaUtile - 10, y + 17}, 0.75);
        x = Margine + campo.fine * LarghezzaUtile + 4;
    }
}

}  // namespace

quint64 semeNuovo()
{
    // Short enough for a teacher to type back in, with a million sheets to tell apart.
    return QRandomGenerator::global()->bounded(1, 1000000);
}

Documento::Documento(const Opzioni::Schede& richiesta, quint64 seme) : richiesta(richiesta), seme(seme)
{
    for (Catalogo::Id id : richiesta.esercizi) {
        const Forme::Modello& m = Forme::modello(Quesiti::forma(id));
        tutti << Quesiti::estrai(id, richiesta.quante, m.colonne * m.righe, seme);
    }
    impagina();
}

Problema Documento::leggiFigure()
{
    for (const Quesiti::Quesito& q : std::as_const(tutti))
        for (int n : Quesiti::figure(q)) {
            if (figure.contains(n))
                continue;
            // Each read once: the same picture drawn again goes into the file once.
            const QString percorso = Percorsi::figura(n);
            QImageReader lettore(percorso);
            const QImage i = lettore.read();
            if (i.isNull())
                return {Problema::Tipo::Figura, percorso, lettore.errorString()};
            // Kept with its file's few colours, a quarter of the memory the decoder gives it in:
            // the same pixels go into the PDF.
            figure.insert(n, i.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither));
        }
    return {};
}

void Documento::impagina()
{
    for (int i = 0; i < tutti.size();) {
        const Catalogo::Id id = tutti[i].id;
        const Forme::Modello& m = Forme::modello(Quesiti::forma(id));
        Blocco b{id, {}};
        for (; i < tutti.size() && tutti[i].id == id && b.quesiti.size() < m.colonne * m.righe; ++i)
            b.quesiti << i;
        fogli << Foglio{false, {b}};
    }
    if (!richiesta.soluzioni)
        return;
    // The key: each exercise's answers in rows under its name, running on to the next page.
    double y = BassoElementi;
    for (int i = 0; i < tutti.size();) {
        const Catalogo::Id id = tutti[i].id;
        const int perRiga = chiaviPerRiga(id);
        bool segue = false;
        while (i < tutti.size() && tutti[i].id == id) {
            if (y + TestaChiave + RigaChiave > BassoElementi) {
                fogli << Foglio{true, {}};
                y = Margine + RigaTitolo;
            }
            Blocco b{id, {}, segue};
            y += TestaChiave;
            for (; i < tutti.size() && tutti[i].id == id && y + RigaChiave <= BassoElementi; y += RigaChiave)
                for (int k = 0; k < perRiga && i < tutti.size() && tutti[i].id == id; ++k)
                    b.quesiti << i++;
            fogli.last().blocchi << b;
            segue = true;
        }
        y += Tra;
    }
}

void Documento::piede(Carta::Pagina& c, int n) const
{
    // What the sheet is, where it stands among the others, and the number that prints it again.
    const Foglio& f = fogli[n];
    const QStringList piede{QStringLiteral("Bussolino"),
                            f.chiave ? QStringLiteral("Soluzioni") : didascalia(f.blocchi.constFirst().id),
                            QStringLiteral("pagina %1 di %2").arg(n + 1).arg(fogli.size()), QStringLiteral("numero %1").arg(seme)};
    c.testo({Margine, BassoElementi, LarghezzaUtile, AltezzaPiede}, piede.join(QStringLiteral("  ·  ")), TestoPiede,
            Qt::AlignHCenter | Qt::AlignBottom);
}

void Documento::disegnaFoglio(Carta::Pagina& c, int n) const
{
    const Foglio& f = fogli[n];
    if (f.chiave) {
        disegnaChiave(c, f);
        return;
    }
    const double w = LarghezzaUtile;
    double y = Margine;
    if (richiesta.nome) {
        rigaNome(c, y);
        y += RigaNome;
    }
    const Blocco& b = f.blocchi.constFirst();
    const Forme::Modello& m = Forme::modello(Quesiti::forma(b.id));
    c.testo({Margine, y, w, RigaTitolo}, didascalia(b.id), Titolo);
    y += RigaTitolo;
    c.testo({Margine, y, w, RigaIstruzione}, QString::fromUtf8(m.istruzione), Istruzione);
    y += RigaIstruzione;

    const double larga = (w - (m.colonne - 1) * Tra) / m.colonne;
    const double alta = (BassoElementi - Tra / 2 - y - (m.righe - 1) * Tra) / m.righe;
    for (int k = 0; k < b.quesiti.size(); ++k) {
        const QRectF cella(Margine + (k % m.colonne) * (larga + Tra), y + (k / m.colonne) * (alta + Tra), larga, alta);
        c.riquadro(cella, 0.75, QColor(128, 128, 128), 6);
        Forme::disegna(c, figure, cella, tutti[b.quesiti[k]]);
    }
}

void Documento::disegnaChiave(Carta::Pagina& c, const Foglio& f) const
{
    const double w = LarghezzaUtile;
    double y = Margine;
    c.testo({Margine, y, w, RigaTitolo}, QStringLiteral("Soluzioni"), Titolo);
    y += RigaTitolo;
    for (const Blocco& b : f.blocchi) {
        const Forme::Modello& m = Forme::modello(Quesiti::forma(b.id));
        const int perRiga = chiaviPerRiga(b.id);
        c.testo({Margine, y + 6, w, TestaChiave - 6}, didascalia(b.id) + (b.segue ? QStringLiteral(" (segue)") : QString()),
                TitoloChiave, Qt::AlignLeft | Qt::AlignVCenter);
        y += TestaChiave;
        for (int k = 0; k < b.quesiti.size(); ++k) {
            const QRectF posto(Margine + (k % perRiga) * m.larghezzaChiave, y + (k / perRiga) * RigaChiave, m.larghezzaChiave,
                               RigaChiave);
            Forme::chiave(c, posto, tutti[b.quesiti[k]]);
        }
        y += (b.quesiti.size() + perRiga - 1) / perRiga * RigaChiave + Tra;
    }
}

bool Documento::disegna(QPagedPaintDevice& dispositivo) const
{
    QPainter painter;
    if (!painter.begin(&dispositivo))
        return false;
    Carta::Pagina carta(painter);
    for (int n = 0; n < fogli.size(); ++n) {
        if (n > 0 && !dispositivo.newPage())
            return false;
        disegnaFoglio(carta, n);
        piede(carta, n);
    }
    return painter.end();
}

Problema scriviPdf(const QString& file, const Opzioni::Schede& richiesta, quint64 seme)
{
    Documento d(richiesta, seme);
    if (const Problema p = d.leggiFigure())
        return p;
    QSaveFile uscita(file);
    if (!uscita.open(QIODevice::WriteOnly))
        return {Problema::Tipo::File, file, uscita.errorString()};
    QPdfWriter pdf(&uscita);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QStringLiteral("Bussolino - schede"));
    pdf.setCreator(QStringLiteral("Bussolino " BUSSOLINO_VERSIONE));
    if (!d.disegna(pdf)) {
        uscita.cancelWriting();
        return {Problema::Tipo::File, file, QStringLiteral("the pages could not be drawn")};
    }
    if (!uscita.commit())
        return {Problema::Tipo::File, file, uscita.errorString()};
    return {};
}

}  // namespace Schede
