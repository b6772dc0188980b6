// Each family's paper form, drawn in points inside an item's cell, and its answer in the key.
#include "sheets/Forme.h"

#include "services/Voce.h"
#include "ui/Colori.h"
#include "ui/Layout.h"

namespace Forme {

namespace {

using Carta::FiguraMassima;
using Carta::Testo;
using Quesiti::Forma;
using Quesiti::Quesito;

const Testo Frase{15};
const Testo Scelta{13, true};
const Testo Numero{11, true};
const Testo Piccolo{9, true};
const Testo Chiave{10};
const Testo ChiaveGrassetto{10, true};
const QColor Cornice(128, 128, 128);

constexpr double Margine = 8;   // inside an item's frame
constexpr double Casella = 20;  // a box to cross
constexpr double Tondo = 20;    // the item's number in its circle
constexpr double Spazio = 6;

void numero(Carta::Pagina& c, QPointF angolo, int n)
{
    const QRectF r(angolo, QSizeF(Tondo, Tondo));
    c.cerchio(r, 1, Qt::black);
    c.testo(r, QString::number(n), Numero, Qt::AlignCenter);
}

// The sentence in `r`, centred unless told, as large as fits up to its designed size.
void frase(Carta::Pagina& c, const QRectF& r, const QString& t, Testo come = Frase, int allinea = Qt::AlignCenter)
{
    while (come.punti > 8 && c.altezza(r.width(), t, come) > r.height())
        come.punti -= 0.5;
    c.testo(r, t, come, allinea);
}

// The sentence's room at the top of an item, beside its number and as far from the other edge.
QRectF fraseInAlto(const QRectF& in, double altezza)
{
    return {in.left() + Tondo + Spazio, in.top(), in.width() - 2 * (Tondo + Spazio), altezza};
}

void figura(Carta::Pagina& c, const Immagini& figure, int n, const QRectF& r)
{
    c.figura(r, figure.value(n));
    c.riquadro(r, 0.75, Cornice);
}

void casella(Carta::Pagina& c, const QRectF& r)
{
    c.riquadro(r, 1.25);
}

// Boxes with their words beside them, in a row centred on `centro`, at `alto`.
void scelte(Carta::Pagina& c, double centro, double alto, const QStringList& parole, double tra = 28)
{
    double larga = tra * (parole.size() - 1);
    for (const QString& p : parole)
        larga += Casella + Spazio + c.larghezza(p, Scelta);
    double x = centro - larga / 2;
    for (const QString& p : parole) {
        casella(c, {x, alto, Casella, Casella});
        const double w = c.larghezza(p, Scelta) + 1;
        c.testo({x + Casella + Spazio, alto, w, Casella}, p, Scelta, Qt::AlignLeft | Qt::AlignVCenter);
        x += Casella + Spazio + w - 1 + tra;
    }
}

// A control of the exercise's designed screen.
const Layout::Controllo& controllo(Catalogo::Id id, const QString& nome, int indice = -1)
{
    for (const Layout::Controllo& k : Catalogo::layout(id).controlli)
        if (k.nome == nome && k.indice == indice)
            return k;
    qFatal("Forme: %s has no %s", qPrintable(Catalogo::layout(id).nome), qPrintable(Layout::chiave(nome, indice)));
}

// "Su di me ": the sentence, the figure parted in halves as on the screen, a box under each half.
void suDiMe(Carta::Pagina& c, const Immagini& figure, const QRectF& in, const Quesito& q)
{
    const Corpo& r = std::get<Corpo>(q.regole);
    const QRectF testo = fraseInAlto(in, 40);
    frase(c, testo, r.fraseStampata());
    const double alto = testo.bottom() + Spazio;
    const double lato = std::min({FiguraMassima, in.bottom() - alto - Spazio - Casella, in.width()});
    const QRectF f(in.center().x() - lato / 2, alto, lato, lato);
    figura(c, figure, r.figura(), f);
    c.linea({f.center().x(), f.top()}, {f.center().x(), f.bottom()}, 1.25, QColor(200, 0, 0), Qt::DashLine);
    for (double x : {f.left() + lato / 4, f.right() - lato / 4})
        casella(c, {x - Casella / 2, f.bottom() + Spazio, Casella, Casella});
}

// "Alla mia...... 1": the sentence, the figure with a white square on each side, low, as on the screen.
constexpr double Quadrato = 30;
void micetto(Carta::Pagina& c, const Immagini& figure, const QRectF& in, const Quesito& q)
{
    const Corpo& r = std::get<Corpo>(q.regole);
    const QRectF testo = fraseInAlto(in, 40);
    frase(c, testo, r.fraseStampata());
    const double alto = testo.bottom() + Spazio;
    const double lato = std::min({FiguraMassima, in.bottom() - alto, in.width() - 2 * (Quadrato + 2 * Spazio)});
    const QRectF f(in.center().x() - lato / 2, alto, lato, lato);
    figura(c, figure, r.figura(), f);
    casella(c, {f.left() - 2 * Spazio - Quadrato, f.bottom() - Quadrato, Quadrato, Quadrato});
    casella(c, {f.right() + 2 * Spazio, f.bottom() - Quadrato, Quadrato, Quadrato});
}

// Boxes with their words beside them, one above the other from `angolo`, as the screens'
// buttons "DESTRA" and "SINISTRA" stand.
void colonnaScelte(Carta::Pagina& c, QPointF angolo, const QStringList& parole)
{
    for (int i = 0; i < parole.size(); ++i) {
        const double y = angolo.y() + i * (Casella + Spazio), w = c.larghezza(parole[i], Scelta) + 1;
        casella(c, {angolo.x(), y, Casella, Casella});
        c.testo({angolo.x() + Casella + Spazio, y, w, Casella}, parole[i], Scelta, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

double larghezzaColonna(const Carta::Pagina& c, const QStringList& parole)
{
    double larga = 0;
    for (const QString& p : parole)
        larga = std::max(larga, Casella + Spazio + c.larghezza(p, Scelta) + 1);
    return larga;
}

// "Alla mia...... 2": the figure with its object beside it at the height the screen shows it, then
// "È ALLA MIA" with the two answers beside it, one above the other, as on the screen.
void oggetto(Carta::Pagina& c, const Immagini& figure, const QRectF& in, const Quesito& q)
{
    const Corpo& r = std::get<Corpo>(q.regole);
    constexpr double Oggetto = 26;
    const double sotto = 2 * Spazio + 2 * Casella + Spazio;
    const double lato = std::min({FiguraMassima, in.height() - sotto, in.width() - 2 * (Oggetto + 2 * Spazio)});
    const QRectF f(in.center().x() - lato / 2, in.top(), lato, lato);
    figura(c, figure, r.figura(), f);
    const Layout::Rettangolo immagine = controllo(q.id, "Image1").posto;
    const Layout::Controllo& o = controllo(q.id, "Picture1", r.Posizione);
    const double x = o.posto.sinistra < immagine.sinistra ? f.left() - Spazio - Oggetto : f.right() + Spazio;
    double y = std::min(f.top() + double(o.posto.alto - immagine.alto) / immagine.altezza * lato, f.bottom() - Oggetto);
    // Top left, the object stands just under the item's number.
    if (x < in.left() + Tondo + Spazio)
        y = std::max(y, in.top() + Tondo + Spazio);
    c.disegno({x, y, Oggetto, Oggetto}, o.disegno);
    const QStringList parole{QStringLiteral("DESTRA"), QStringLiteral("SINISTRA")};
    const double testo = c.larghezza(r.fraseStampata(), Frase) + 2, tra = 3 * Spazio;
    const double sinistra = in.center().x() - (testo + tra + larghezzaColonna(c, parole)) / 2;
    const double alto = f.bottom() + 2 * Spazio;
    c.testo({sinistra, alto, testo, 2 * Casella + Spazio}, r.fraseStampata(), Frase, Qt::AlignLeft | Qt::AlignVCenter);
    colonnaScelte(c, {sinistra + testo + tra, alto}, parole);
}

// "Vero e falso": the figure's statement, the figure, "VERO" and "FALSO" as the screen's buttons stand.
void veroFalso(Carta::Pagina& c, const Immagini& figure, const QRectF& in, const Quesito& q)
{
    const VeroFalso& r = std::get<VeroFalso>(q.regole);
    const QRectF testo = fraseInAlto(in, 58);
    frase(c, testo, r.frase());
    const double alto = testo.bottom() + Spazio;
    const double lato = std::min({FiguraMassima, in.bottom() - alto - Spazio - Casella, in.width()});
    const QRectF f(in.center().x() - lato / 2, alto, lato, lato);
    figura(c, figure, r.NumeroFigura, f);
    scelte(c, in.center().x(), f.bottom() + Spazio, {QStringLiteral("VERO"), QStringLiteral("FALSO")}, 40);
}

// "Il detective": six figures, each with its letter for the key, and the description beside them.
void detective(Carta::Pagina& c, const Immagini& figure, const QRectF& in, const Quesito& q)
{
    const Detective& r = std::get<Detective>(q.regole);
    constexpr double Lettera = 11;
    const double lato = std::min(FiguraMassima, (in.height() - Spazio) / 2);
    const double x0 = in.left() + Tondo + 2 * Spazio;
    for (int i = 0; i < int(r.NumeriFigure.size()); ++i) {
        const double x = x0 + (i % 3) * (Lettera + lato + Spazio), y = in.top() + (i / 3) * (lato + Spazio);
        c.testo({x, y, Lettera, Lettera + 2}, QString(QChar('A' + i)), Piccolo, Qt::AlignLeft | Qt::AlignTop);
        figura(c, figure, r.NumeriFigure[size_t(i)], {x + Lettera, y, lato, lato});
    }
    const double x = x0 + 3 * (Lettera + lato + Spazio) + 2 * Spazio;
    frase(c, {x, in.top(), in.right() - x, in.height()}, r.frasi().join(QStringLiteral("\n\n")), Testo{13},
          Qt::AlignLeft | Qt::AlignVCenter);
}

// The question the voice asks, in capitals, where a screen writes none.
QString domanda(const Righe& r)
{
    const QString chiave = r.domanda().constFirst();
    for (const Voce::Frase& f : Voce::frasi())
        if (chiave == QLatin1String(f.chiave))
            return QString::fromUtf8(f.parlato).toUpper();
    return chiave;
}

// What a line is called on paper: the colour its answers name.
QString nomeRiga(const Righe& r, int coppia)
{
    for (const Righe::Risposta& a : r.risposte())
        if (a.coppia == coppia)
            return QString::fromLatin1(a.riga).contains(QLatin1String("GIALLA")) ? QStringLiteral("GIALLA") : QStringLiteral("VERDE");
    return {};
}

QString verso(const Righe::Risposta& a)
{
    return QString::fromLatin1(a.riga).contains(QLatin1String("SINISTRA")) ? QStringLiteral("SINISTRA") : QStringLiteral("DESTRA");
}

// The animal larger than on the screen, up to twice, into at most half the room its place leaves
// to the nearest line and to the field's edges, so that it stands as clearly on its side; and
// never nearer than `luce` to a line or an edge, as a photocopy would make it touch: smaller if
// its stretch of the field is too narrow for that, and moved off what it would come near, never
// across a line (twips).
QRectF animale(const Layout::Controllo& a, const QList<const Layout::Controllo*>& linee, const Layout::Rettangolo& campo, double luce)
{
    const Layout::Rettangolo& r = a.posto;
    const double cx = r.sinistra + r.larghezza / 2.0, cy = r.alto + r.altezza / 2.0;
    // The stretch of the field between the lines, or the edges, either side of it.
    double sinistra = 0, destra = campo.larghezza;
    for (const Layout::Controllo* l : linee) {
        const double mezza = l->spessore * Layout::TwipPerPixel / 2.0;
        if (l->posto.sinistra < cx)
            sinistra = std::max(sinistra, l->posto.sinistra + mezza);
        else
            destra = std::min(destra, l->posto.sinistra - mezza);
    }
    const double spazio = std::min({r.sinistra - sinistra, destra - r.sinistra - r.larghezza, double(r.alto), double(campo.altezza - r.alto - r.altezza)});
    const double k = std::min({std::clamp(1 + spazio / r.larghezza, 1.0, 2.0), (destra - sinistra - 2 * luce) / r.larghezza,
                               (campo.altezza - 2 * luce) / r.altezza});
    const double w = k * r.larghezza, h = k * r.altezza;
    const double x = std::max(sinistra + luce, std::min(cx - w / 2, destra - luce - w));
    const double y = std::max(luce, std::min(cy - h / 2, campo.altezza - luce - h));
    return {x, y, w, h};
}

// One pair of boxes a line, one above the other as the screens' buttons stand: under the field
// `f` for one line; for two, under each half of the field, the left one for the line further
// left, each headed by its line.
void coppieDiCaselle(Carta::Pagina& c, const QRectF& in, const QRectF& f, const Righe& r, const QList<const Layout::Controllo*>& linee)
{
    const bool due = r.numeroRighe() == 2;
    QList<int> coppie;
    for (int coppia = 0; coppia < r.numeroRighe(); ++coppia)
        coppie << coppia;
    const auto xRiga = [&](int coppia) {
        for (const Layout::Controllo* l : linee)
            if ((l->sfondo == Layout::Giallo) == (nomeRiga(r, coppia) == QLatin1String("GIALLA")))
                return l->posto.sinistra;
        return 0;
    };
    std::sort(coppie.begin(), coppie.end(), [&](int a, int b) { return xRiga(a) < xRiga(b); });
    for (int k = 0; k < coppie.size(); ++k) {
        QStringList parole;
        for (const Righe::Risposta& a : r.risposte())
            if (a.coppia == coppie[k])
                parole << verso(a);
        if (!due) {
            colonnaScelte(c, {in.center().x() - larghezzaColonna(c, parole) / 2, f.bottom() + Spazio}, parole);
            continue;
        }
        const double centro = in.left() + in.width() * (2 * k + 1) / 4;
        c.testo({centro - in.width() / 4, f.bottom() + Spazio, in.width() / 2, 16}, QStringLiteral("RIGA ") + nomeRiga(r, coppie[k]),
                Scelta, Qt::AlignCenter);
        colonnaScelte(c, {centro - larghezzaColonna(c, parole) / 2, f.bottom() + Spazio + 16 + Spazio}, parole);
    }
}

// "A destra di......": the question, the white field with its line or lines, each named above it
// and outlined so as to read in grey too, the animal, and one pair of boxes a line.
void righe(Carta::Pagina& c, const QRectF& in, const Quesito& q)
{
    const Righe& r = std::get<Righe>(q.regole);
    const bool due = r.numeroRighe() == 2;
    const QRectF testo = fraseInAlto(in, due ? 46 : 32);
    frase(c, testo, domanda(r), Testo{12.5});
    const Layout::Rettangolo campo = controllo(q.id, "Picture1").posto;
    const double risposte = (due ? 16 + Spazio : 0) + 2 * (Casella + Spazio);
    const double alto = testo.bottom() + Spazio + 12;
    const double larga = std::min(in.width(), (in.bottom() - alto - Spazio - risposte) * campo.larghezza / campo.altezza);
    const double scala = larga / campo.larghezza;
    const QRectF f(in.center().x() - larga / 2, alto, larga, campo.altezza * scala);
    c.riquadro(f, 1);
    QList<const Layout::Controllo*> linee;
    for (const Layout::Controllo& k : Catalogo::layout(q.id).controlli)
        if (k.tipo == Layout::Tipo::Linea && k.contenitore == QLatin1String("Picture1"))
            linee << &k;
    for (const Layout::Controllo* l : linee) {
        const double x = f.left() + l->posto.sinistra * scala, spessa = l->spessore * Layout::TwipPerPixel * scala;
        c.pieno({x - spessa / 2, f.top(), spessa, f.height()}, Controlli::colore(l->sfondo), 0.6);
        const QString nome = l->sfondo == Layout::Giallo ? QStringLiteral("GIALLA") : QStringLiteral("VERDE");
        c.testo({x - 30, f.top() - 12, 60, 11}, nome, Piccolo, Qt::AlignHCenter | Qt::AlignBottom);
    }
    const Layout::Controllo& a = controllo(q.id, "PictureDentro", r.Posizione);
    // Three millimetres of paper, and the outlines' ink, between the animal and anything else.
    const QRectF dove = animale(a, linee, campo, (3 * Carta::Millimetro + 1) / scala);
    c.disegno({f.left() + dove.left() * scala, f.top() + dove.top() * scala, dove.width() * scala, dove.height() * scala},
              a.disegno);
    coppieDiCaselle(c, in, f, r, linee);
}

}  // namespace

const Modello& modello(Forma forma)
{
    static const Modello suDiMe{2, 3, "Fai una crocetta nel quadratino sotto il lato che dice la frase.", 80};
    static const Modello micetto{2, 3, "Il micetto si nasconde in un quadrato: fai una crocetta in quello giusto.", 80};
    static const Modello oggetto{2, 3, "L'animaletto è alla destra o alla sinistra del bambino? Fai una crocetta.", 85};
    static const Modello veroFalso{2, 3, "Il bambino dice la verità? Fai una crocetta su VERO o su FALSO.", 80};
    static const Modello detective{1, 4, "Leggi la descrizione e fai un cerchio intorno al bambino che è così.", 80};
    static const Modello unaRiga{2, 3, "L'animale è a destra o a sinistra della riga verde? Fai una crocetta.", 85};
    static const Modello dueRighe{2, 2, "Per ogni riga, fai una crocetta: l'animale è a destra o a sinistra?", 255};
    switch (forma) {
    case Forma::SuDiMe: return suDiMe;
    case Forma::Micetto: return micetto;
    case Forma::Oggetto: return oggetto;
    case Forma::VeroFalso: return veroFalso;
    case Forma::Detective: return detective;
    case Forma::UnaRiga: return unaRiga;
    case Forma::DueRighe: break;
    }
    return dueRighe;
}

void disegna(Carta::Pagina& c, const Immagini& figure, const QRectF& cella, const Quesito& q)
{
    const QRectF in = cella.adjusted(Margine, Margine, -Margine, -Margine);
    numero(c, in.topLeft(), q.numero);
    switch (Quesiti::forma(q.id)) {
    case Forma::SuDiMe: return suDiMe(c, figure, in, q);
    case Forma::Micetto: return micetto(c, figure, in, q);
    case Forma::Oggetto: return oggetto(c, figure, in, q);
    case Forma::VeroFalso: return veroFalso(c, figure, in, q);
    case Forma::Detective: return detective(c, figure, in, q);
    case Forma::UnaRiga:
    case Forma::DueRighe: return righe(c, in, q);
    }
}

void chiave(Carta::Pagina& c, const QRectF& posto, const Quesito& q)
{
    c.testo({posto.left(), posto.top(), 24, posto.height()}, QString::number(q.numero) + '.', ChiaveGrassetto,
            Qt::AlignRight | Qt::AlignVCenter);
    const QRectF resto(posto.left() + 30, posto.top(), posto.width() - 30, posto.height());
    const auto scrivi = [&](const QString& t) { c.testo(resto, t, Chiave, Qt::AlignLeft | Qt::AlignVCenter); };
    switch (Quesiti::forma(q.id)) {
    case Forma::SuDiMe:
    case Forma::Micetto: {
        // The two boxes as they stand on the sheet, the right one crossed.
        const Corpo& r = std::get<Corpo>(q.regole);
        const double d = 12, y = posto.center().y() - d / 2;
        for (int lato : {Corpo::Sinistra, Corpo::Destra}) {
            const QRectF b(resto.left() + lato * (d + 8), y, d, d);
            c.riquadro(b, 1);
            if (r.giusta(lato))
                c.testo(b, QStringLiteral("X"), ChiaveGrassetto, Qt::AlignCenter);
        }
        return;
    }
    case Forma::Oggetto: {
        const Corpo& r = std::get<Corpo>(q.regole);
        return scrivi(r.giusta(Corpo::RispostaDestra) ? QStringLiteral("DESTRA") : QStringLiteral("SINISTRA"));
    }
    case Forma::VeroFalso:
        return scrivi(std::get<VeroFalso>(q.regole).giusta(VeroFalso::Vero) ? QStringLiteral("VERO") : QStringLiteral("FALSO"));
    case Forma::Detective: {
        QStringList lettere;
        for (int i : std::get<Detective>(q.regole).giuste())
            lettere << QString(QChar('A' + i));
        return scrivi(lettere.join(QStringLiteral(", ")));
    }
    case Forma::UnaRiga:
    case Forma::DueRighe: {
        const Righe& r = std::get<Righe>(q.regole);
        QStringList dette;
        for (int i = 0; i < int(r.risposte().size()); ++i)
            if (r.giusta(i))
                dette << (r.numeroRighe() == 1 ? verso(r.risposte()[size_t(i)])
                                               : nomeRiga(r, r.risposte()[size_t(i)].coppia) + ": " + verso(r.risposte()[size_t(i)]));
        return scrivi(dette.join(QStringLiteral(", ")));
    }
    }
}

}  // namespace Forme
