#include "services/Figure.h"

#include "platform/Piattaforma.h"
#include "services/Lavori.h"
#include "services/Modulo1.h"
#include "services/Percorsi.h"
#include "ui/Immagine.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <utility>

namespace Figure {

namespace {

// The text key by which a picture made here tells its figure number to an image control.
const QString Etichetta = QStringLiteral("figura");

struct Letta {
    QImage immagine;
    QString problema;
};

// The figure at `dimensione` (its own size when none) in the format it is kept or drawn in,
// carrying its number.
QImage adatta(QImage immagine, QSize dimensione, int numero, bool daTenere)
{
    if (dimensione.isValid() && !dimensione.isEmpty() && immagine.size() != dimensione)
        immagine = immagine.scaled(dimensione, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Kept for the whole run: three bytes a pixel for an opaque figure, a quarter less than 32
    // bits; the control showing it converts its own copy once. Otherwise the formats the
    // raster painter copies without converting.
    if (immagine.hasAlphaChannel())
        immagine.convertTo(QImage::Format_ARGB32_Premultiplied);
    else
        immagine.convertTo(daTenere ? QImage::Format_RGB888 : QImage::Format_RGB32);
    immagine.setText(Etichetta, QString::number(numero));
    return immagine;
}

// The figure as its file holds it. Opens the file ourselves, so that a refusal is told by its
// real cause rather than by the image reader's "File not found" for every failure.
Letta leggi(const QString& percorso)
{
    QFile file;
    if (const QString problema = Piattaforma::apriInLettura(percorso, file); !problema.isEmpty())
        return {{}, problema};
    QImageReader lettore(&file);
    const QSize lato = lettore.size();
    if (lato.width() > LatoMassimo || lato.height() > LatoMassimo)
        return {{}, QStringLiteral("too large (%1 x %2)").arg(lato.width()).arg(lato.height())};
    QImage immagine;
    if (!lettore.read(&immagine)) {
        if (lettore.error() == QImageReader::UnsupportedFormatError)
            return {{}, QStringLiteral("not a picture")};
        return {{}, QStringLiteral("not a picture: ") + lettore.errorString()};
    }
    return {immagine, {}};
}

// What has been made so far. The worker thread fills `pronte`; the user-interface thread reads
// it and fills in whatever the worker has not reached yet.
struct Stato {
    std::mutex mutex;  // a standard one, whose locking the thread checker sees
    QSize pronta;
    QHash<QString, QImage> pronte;          // by file, at `pronta`; null for a bad file
    QHash<QString, QString> guaste;         // by file: why it cannot be shown
    QSet<QString> lamentate;                // files already complained about on stderr
    // The largest size a screen shows one figure at: all 56 kept there too, compressed (a
    // twentieth of their size), so such a screen makes its figure in a millisecond, not four.
    QSize riserva, riservaProgettata;
    struct Compressa {
        QByteArray dati;
        QImage::Format formato = QImage::Format_Invalid;
    };
    QHash<QString, Compressa> compresse;    // by file, at `riserva`
    Dimensioni (*calcola)() = nullptr;      // works out `pronta` and `riserva` at the first need
    int generazione = 0;                    // moves on at svuotaCache: late work is dropped
};

// Never destroyed: the worker may still be finishing a figure should the program be ended at once.
Stato& stato()
{
    static Stato* s = new Stato;
    return *s;
}

// The thread that decodes the figures ahead of need.
constexpr char Lavoratore[] = "figure";

// One line per file for the whole run, however often the figure is asked for.
void lamenta(const QString& percorso, const QString& problema)
{
    Stato& s = stato();
    {
        std::unique_lock l(s.mutex);
        if (s.lamentate.contains(percorso))
            return;
        s.lamentate.insert(percorso);
    }
    std::fprintf(stderr, "bussolino: cannot show picture %s: %s\n", qPrintable(percorso), qPrintable(problema));
}

// Image controls hand back what carica gave them, with the size they show it at.
QImage rifai(const QImage& immagine, QSize dimensione)
{
    bool ok = false;
    const int numero = immagine.text(Etichetta).toInt(&ok);
    return ok ? sulSchermo(numero, dimensione) : immagine;
}

void registra()
{
    static const bool fatto = (Controlli::impostaRifacitore(&rifai), true);
    Q_UNUSED(fatto);
}

QImage decomprimi(const Stato::Compressa& c, QSize dimensione)
{
    const QByteArray dati = qUncompress(c.dati);
    QImage i(dimensione, c.formato);
    if (dati.size() != i.sizeInBytes())
        return {};
    std::memcpy(i.bits(), dati.constData(), size_t(dati.size()));
    return i;
}

void conserva(Stato& s, int generazione, const QString& percorso, QSize dimensione, const Letta& l)
{
    if (generazione != s.generazione)
        return;
    if (!l.problema.isEmpty())
        s.guaste.insert(percorso, l.problema);
    // At another size the picture lives only as long as the control showing it holds it.
    if (dimensione == s.pronta)
        s.pronte.insert(percorso, l.immagine);
}

// A kept set moves to another size: what was made at the old one is let go, and work still
// under way for it is dropped. False when the size is the same.
template <typename Insieme>
bool cambiaDimensione(Stato& s, QSize& attuale, QSize nuova, Insieme& tenute)
{
    if (nuova == attuale)
        return false;
    attuale = nuova;
    tenute.clear();
    ++s.generazione;
    return true;
}

// On the user-interface thread, before a figure is first wanted.
void calcolaDimensione()
{
    Dimensioni (*calcola)() = nullptr;
    {
        std::unique_lock l(stato().mutex);
        std::swap(calcola, stato().calcola);
    }
    if (!calcola)
        return;
    const Dimensioni d = calcola();
    impostaDimensionePronta(d.pronta);
    std::unique_lock l(stato().mutex);
    stato().riserva = stato().riservaProgettata = d.riserva;
}

}  // namespace

void impostaDimensioni(Dimensioni (*calcola)())
{
    std::unique_lock l(stato().mutex);
    stato().calcola = calcola;
}

QImage sulSchermo(int numero, QSize dimensione)
{
    registra();
    calcolaDimensione();
    Stato& s = stato();
    const QString percorso = Percorsi::figura(numero);
    int generazione;
    bool daTenere;
    {
        std::unique_lock l(s.mutex);
        QString problema = s.guaste.value(percorso);
        QImage trovata;
        bool noto = false;
        if (dimensione == s.pronta && s.pronte.contains(percorso)) {
            trovata = s.pronte.value(percorso);
            noto = true;
        } else if (!problema.isEmpty()) {
            noto = true;
        } else if (dimensione.width() <= s.riserva.width() && dimensione.height() <= s.riserva.height()
                   && s.compresse.contains(percorso)) {
            const Stato::Compressa c = s.compresse.value(percorso);
            const QSize riserva = s.riserva;
            l.unlock();
            if (const QImage i = decomprimi(c, riserva); !i.isNull())
                return adatta(i, dimensione, numero, false);
            l.lock();
        }
        if (noto) {
            l.unlock();
            if (trovata.isNull())
                lamenta(percorso, problema);
            return trovata;
        }
        generazione = s.generazione;
        daTenere = dimensione == s.pronta;
    }
    Letta letta = leggi(percorso);
    if (!letta.immagine.isNull())
        letta.immagine = adatta(letta.immagine, dimensione, numero, daTenere);
    {
        std::unique_lock l(s.mutex);
        conserva(s, generazione, percorso, dimensione, letta);
    }
    if (letta.immagine.isNull())
        lamenta(percorso, letta.problema);
    return letta.immagine;
}

QImage carica(int numero)
{
    calcolaDimensione();
    QSize pronta;
    {
        std::unique_lock l(stato().mutex);
        pronta = stato().pronta;
    }
    return sulSchermo(numero, pronta);
}

bool impostaDimensionePronta(QSize dimensione)
{
    registra();
    Stato& s = stato();
    std::unique_lock l(s.mutex);
    s.calcola = nullptr;
    return cambiaDimensione(s, s.pronta, dimensione, s.pronte);
}

bool impostaDimensioneRiserva(QSize dimensione)
{
    calcolaDimensione();
    Stato& s = stato();
    std::unique_lock l(s.mutex);
    return cambiaDimensione(s, s.riserva, s.riservaProgettata.expandedTo(dimensione), s.compresse);
}

QSize misuraComune(const QList<QSize>& misure)
{
    QSize migliore;
    int quante = 1;
    for (const QSize& m : misure)
        if (const int n = int(misure.count(m)); n > quante) {
            quante = n;
            migliore = m;
        }
    return migliore;
}

namespace {

// What the worker is to make: the figures by number and file (named on the user-interface thread),
// the sizes and the generation they were asked at.
struct Lavoro {
    QList<std::pair<int, QString>> figure;
    int generazione = 0;
    QSize dimensione, riserva;
};

// One figure, read once for both sizes; false once the work is dropped (sizes changed, quitting).
bool preparaFigura(const Lavoro& w, int numero, const QString& percorso)
{
    Stato& s = stato();
    bool pronta, compressa;
    {
        std::unique_lock l(s.mutex);
        if (w.generazione != s.generazione || Lavori::fermato())
            return false;
        pronta = w.dimensione.isValid() && !s.pronte.contains(percorso);
        compressa = w.riserva.isValid() && !s.compresse.contains(percorso) && !s.guaste.contains(percorso);
    }
    if (!pronta && !compressa)
        return true;
    Letta letta = leggi(percorso);
    if (Lavori::fermato())
        return false;
    Stato::Compressa c;
    if (compressa && !letta.immagine.isNull()) {
        const QImage r = adatta(letta.immagine, w.riserva, numero, false);
        c = {qCompress(r.constBits(), int(r.sizeInBytes()), 9), r.format()};
    }
    if (pronta && !letta.immagine.isNull())
        letta.immagine = adatta(letta.immagine, w.dimensione, numero, true);
    std::unique_lock l(s.mutex);
    if (pronta)
        conserva(s, w.generazione, percorso, w.dimensione, letta);
    if (w.generazione == s.generazione && !c.dati.isEmpty())
        s.compresse.insert(percorso, c);
    return true;
}

}  // namespace

void preparaInAnticipo()
{
    Stato& s = stato();
    if (!QCoreApplication::instance())
        return;
    calcolaDimensione();
    Lavoro w;
    {
        std::unique_lock l(s.mutex);
        if (!s.pronta.isValid() && !s.riserva.isValid())
            return;
        for (int n = 1; n <= Modulo1::NumeroPose; ++n)
            if (!s.pronte.contains(Percorsi::figura(n)) || !s.compresse.contains(Percorsi::figura(n)))
                w.figure.append({n, Percorsi::figura(n)});
        w.generazione = s.generazione;
        w.dimensione = s.pronta;
        w.riserva = s.riserva;
    }
    if (w.figure.isEmpty())
        return;
    // A program that is quitting waits for one figure at most.
    Lavori::esegui(Lavoratore, [w] {
        for (const auto& [numero, percorso] : w.figure)
            if (!preparaFigura(w, numero, percorso))
                return;
    });
}

void attendiPreparazione()
{
    Lavori::attendi(Lavoratore);
}

void svuotaCache()
{
    Stato& s = stato();
    std::unique_lock l(s.mutex);
    ++s.generazione;
    s.pronte.clear();
    s.compresse.clear();
    s.guaste.clear();
    s.lamentate.clear();
}

}  // namespace Figure
