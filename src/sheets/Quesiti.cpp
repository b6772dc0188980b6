// The items of a worksheet, drawn by each exercise's rules from the sheet's one source.
#include "sheets/Quesiti.h"

#include "services/Casuale.h"

#include <QSet>

namespace Quesiti {

namespace {

using Catalogo::Id;

// How often an item that repeats one before it is drawn again before it is let stand.
constexpr int Tentativi = 20;

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

QList<Quesito> estrai(const QList<Id>& esercizi, int quante, Casuale::Sorgente& caso)
{
    QList<Quesito> tutti;
    for (Id id : esercizi) {
        QSet<QString> visti;
        for (int numero = 1; numero <= quante; ++numero) {
            Quesito q{id, numero, regole(id)};
            for (int t = 0; t < Tentativi; ++t) {
                genera(q.regole, caso);
                if (!visti.contains(aspetto(q.regole)))
                    break;
            }
            visti.insert(aspetto(q.regole));
            tutti << q;
        }
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
