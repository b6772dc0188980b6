// The items of a worksheet, drawn by each exercise's rules from its own stream of the sheet's number.
#include "sheets/Quesiti.h"

#include "services/Casuale.h"

#include <QSet>
#include <optional>

namespace Quesiti {

namespace {

using Catalogo::Id;

// How often an item is drawn again when it would unbalance its page (one in two draws balances it
// at worst, so the last is never reached in practice), and when it would repeat one before it.
constexpr int Tentativi = 64, TentativiNuovo = 20;

// What a child sees of an item, for telling repeats apart.
QString aspetto(const Regole& r)
{
    struct {
        QString operator()(const Corpo& c) const { return QStringLiteral("%1 %2 %3").arg(c.figura()).arg(c.frase()).arg(c.Posizione); }
        QString operator()(const VeroFalso& v) const { return QStringLiteral("%1 %2").arg(v.NumeroFigura).arg(v.frase()); }
        QString operator()(const Detective& d) const
        {
            QString s = d.descrizione();
            for (int n : d.NumeriFigure)
                s += ' ' + QString::number(n);
            return s;
        }
        QString operator()(const Righe& r) const { return QString::number(r.Posizione); }
    } visita;
    return std::visit(visita, r);
}

void genera(Regole& r, Casuale::Sorgente& caso)
{
    struct {
        Casuale::Sorgente& caso;
        void operator()(Corpo& c) { c.GeneraEsercizio(caso); }
        void operator()(VeroFalso& v) { v.GeneraEsercizio(caso); }
        void operator()(Detective& d) { d.GeneraEsercizio(caso); }
        void operator()(Righe& r) { r.PreparaEsercizio(caso); }
    } visita{caso};
    std::visit(visita, r);
}

}  // namespace

Forma forma(Id id)
{
    switch (id) {
    case Id::Form1: return Forma::SuDiMe;
    case Id::Form2: return Forma::Micetto;
    case Id::Form3: return Forma::Oggetto;
    case Id::Form4:
    case Id::Form5:
    case Id::Form6: return Forma::VeroFalso;
    case Id::Form7:
    case Id::Form8:
    case Id::Form9: return Forma::Detective;
    case Id::FormDentroFuori1: return Forma::UnaRiga;
    case Id::Form10: return Forma::DueRighe;
    case Id::FormAvvio:
    case Id::FormMenu: break;
    }
    qFatal("Quesiti: screen %d has no worksheet", int(id));
}

Regole regole(Id id)
{
    switch (id) {
    case Id::Form1: return Corpo(Corpo::Tipo::SuDiMe);
    case Id::Form2: return Corpo(Corpo::Tipo::Micetto);
    case Id::Form3: return Corpo(Corpo::Tipo::Oggetto);
    // One attempt at the pose draws Int(r * quante) + 1, then adds `aggiunta`, as on the screens.
    case Id::Form4: return VeroFalso(28, 28);
    case Id::Form5: return VeroFalso(28, 0);
    case Id::Form6: return VeroFalso(56, 0);
    case Id::Form7: return Detective(Detective::Insieme::DaDietro);
    case Id::Form8: return Detective(Detective::Insieme::DiFronte);
    case Id::Form9: return Detective(Detective::Insieme::UnoDeiDue);
    case Id::FormDentroFuori1: return Righe::unaRiga();
    case Id::Form10: return Righe::dueRighe();
    case Id::FormAvvio:
    case Id::FormMenu: break;
    }
    qFatal("Quesiti: screen %d has no worksheet", int(id));
}

namespace {

// Whether the exercise is answered by one of two answers (rather than a figure among six, or a
// place among three lines' sides).
bool dueRisposte(Id id)
{
    const Forma f = forma(id);
    return f != Forma::Detective && f != Forma::DueRighe;
}

// The right answer of an item as a value to balance a page on: the side, the button, true or
// false, the places of the right figures, the animal's place among the lines.
int risposta(const Quesito& q)
{
    // Of two answers, counted 0 and 1 by the rules whatever they mean, whether the second is right.
    if (const auto* c = std::get_if<Corpo>(&q.regole))
        return int(c->giusta(1));
    if (const auto* v = std::get_if<VeroFalso>(&q.regole))
        return int(v->giusta(VeroFalso::Falso));
    int bit = 0;
    if (const auto* d = std::get_if<Detective>(&q.regole)) {
        for (int i : d->giuste())
            bit |= 1 << i;
        return bit;
    }
    const Righe& r = std::get<Righe>(q.regole);
    for (int i = 0; i < int(r.risposte().size()); ++i)
        if (r.giusta(i))
            bit |= 1 << i;
    return bit;
}

// The right answers of a page so far, in order: no more than three alike in a row and not all
// alike; with two answers, neither on more than two-thirds of them (so both are there). A page
// of one item cannot be more.
bool equilibrata(const QList<int>& risposte, bool due)
{
    const qsizetype n = risposte.size();
    if (n < 2)
        return true;
    for (qsizetype i = 3; i < n; ++i)
        if (risposte[i] == risposte[i - 1] && risposte[i] == risposte[i - 2] && risposte[i] == risposte[i - 3])
            return false;
    const qsizetype prime = risposte.count(risposte[0]);
    if (!due)
        return prime < n;
    return 3 * std::max(prime, n - prime) <= 2 * n;
}

}  // namespace

QList<Quesito> estrai(Id id, int quante, int perPagina, quint64 seme)
{
    Casuale::Generatore caso(seme, Catalogo::riga(id).sigla);
    const bool due = dueRisposte(id);
    QList<Quesito> tutti;
    QSet<QString> visti;
    QList<int> pagina;
    for (int numero = 1; numero <= quante; ++numero) {
        if ((numero - 1) % perPagina == 0)
            pagina.clear();
        // Every page that a shorter count would end on is balanced too, so each item is chosen
        // on its page's items before it alone.
        std::optional<Quesito> scelto;
        for (int t = 0; t < Tentativi && !(scelto && t >= TentativiNuovo); ++t) {
            Quesito q{id, numero, regole(id)};
            genera(q.regole, caso);
            pagina << risposta(q);
            const bool va = equilibrata(pagina, due);
            pagina.removeLast();
            if (!va)
                continue;
            const bool nuovo = !visti.contains(aspetto(q.regole));
            if (nuovo || !scelto)
                scelto = q;
            if (nuovo)
                break;
        }
        // Rules that never balance a page would still give their sheet.
        if (!scelto) {
            scelto = Quesito{id, numero, regole(id)};
            genera(scelto->regole, caso);
        }
        visti.insert(aspetto(scelto->regole));
        pagina << risposta(*scelto);
        tutti << *scelto;
    }
    return tutti;
}

QList<int> figure(const Quesito& q)
{
    if (const auto* c = std::get_if<Corpo>(&q.regole))
        return {c->figura()};
    if (const auto* v = std::get_if<VeroFalso>(&q.regole))
        return {v->NumeroFigura};
    if (const auto* d = std::get_if<Detective>(&q.regole))
        return QList<int>(d->NumeriFigure.begin(), d->NumeriFigure.end());
    return {};
}

}  // namespace Quesiti
