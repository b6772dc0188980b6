// The table of screens. Adding a screen: a row here, its layout in ui/Layouts.cpp, its class.
#include "Catalogo.h"

#include "framework/Registro.h"

#include "screens/body/Form1.h"
#include "screens/body/Form2.h"
#include "screens/body/Form3.h"
#include "screens/lines/Form10.h"
#include "screens/lines/FormDentroFuori1.h"
#include "screens/detective/FormDetective.h"
#include "screens/truefalse/FormVeroFalso.h"
#include "screens/start/FormAvvio.h"
#include "screens/start/FormMenu.h"

#include <array>
#include <optional>

namespace Catalogo {

namespace {

using Layout::Cornice;

using Conti = Profilo::Conti;
using Avanti = Profilo::Avanti;

template <class T>
std::unique_ptr<Schermata> crea(const Profilo& s)
{
    return std::make_unique<T>(s);
}

// One attempt of the pose draw is Int(r * quante) + 1, then `aggiunta` is added.
template <int quante, int aggiunta>
std::unique_ptr<Schermata> veroFalso(const Profilo& s)
{
    return std::make_unique<FormVeroFalso>(s, quante, aggiunta);
}

template <Detective::Insieme insieme>
std::unique_ptr<Schermata> detective(const Profilo& s)
{
    return std::make_unique<FormDetective>(s, insieme);
}

Layout::Schermo menu();

constexpr Riga Righe[] = {
    {Id::FormAvvio, "FormAvvio", "Bussolino", Cornice::Nessuna, Conti::Condivisi, Avanti::DallaCornice, Layout::avvio,
     crea<FormAvvio>},
    {Id::FormMenu, "FormMenu", "Bussolino", Cornice::Nessuna, Conti::Condivisi, Avanti::DallaCornice, menu, crea<FormMenu>},
    {Id::Form1, "Form1", "Bussolino - Su di me", Cornice::A, Conti::Condivisi, Avanti::DallaCornice, Layout::form1,
     crea<Form1>, "Command2", "Su di me ", 0, 2, "su-di-me"},
    {Id::Form2, "Form2", "Bussolino - Alla mia 1", Cornice::A, Conti::Condivisi, Avanti::DallaCornice, Layout::form2,
     crea<Form2>, "Command3", "Alla mia......    1", 0, 3, "alla-mia-1"},
    {Id::Form3, "Form3", "Bussolino - Alla mia 2", Cornice::A, Conti::Condivisi, Avanti::DallaCornice, Layout::form3,
     crea<Form3>, "Command4", "Alla mia......    2", 0, 4, "alla-mia-2"},
    {Id::Form4, "Form4", "Bussolino - Vero e falso 1", Cornice::A, Conti::Condivisi, Avanti::DallaCornice,
     Layout::veroFalso, veroFalso<28, 28>, "Command5", "Vero e falso   1", 0, 5, "vero-falso-1"},
    {Id::Form5, "Form5", "Bussolino - Vero e falso 2", Cornice::A, Conti::Condivisi, Avanti::DallaCornice,
     Layout::veroFalso, veroFalso<28, 0>, "Command6", "Vero e falso   2", 1, 0, "vero-falso-2"},
    {Id::Form6, "Form6", "Bussolino - Vero e falso 3", Cornice::A, Conti::Condivisi, Avanti::DallaCornice,
     Layout::veroFalso, veroFalso<56, 0>, "Command7", "Vero e falso   3", 1, 1, "vero-falso-3"},
    {Id::Form7, "Form7", "Bussolino - Il detective 1", Cornice::A, Conti::Condivisi, Avanti::DallaCornice,
     Layout::detective, detective<Detective::Insieme::DaDietro>, "Command8", "Il detective 1", 1, 2, "detective-1"},
    {Id::Form8, "Form8", "Bussolino - Il detective 2", Cornice::A, Conti::Condivisi, Avanti::DallaCornice,
     Layout::detective, detective<Detective::Insieme::DiFronte>, "Command9", "Il detective 2", 1, 3, "detective-2"},
    {Id::Form9, "Form9", "Bussolino - Il detective 3", Cornice::A, Conti::Condivisi, Avanti::DallaCornice,
     Layout::detective, detective<Detective::Insieme::UnoDeiDue>, "Command10", "Il detective 3", 1, 4, "detective-3"},
    // The line exercises count on their own and open "avanti" once the animal is placed.
    {Id::FormDentroFuori1, "FormDentroFuori1", "Bussolino - A destra di 1", Cornice::B, Conti::Propri,
     Avanti::DallaSchermata, Layout::dentroFuori1, crea<FormDentroFuori1>, "Command11", "A destra di......  1", 0, 0, "a-destra-di-1"},
    {Id::Form10, "Form10", "Bussolino - A destra di 2", Cornice::B, Conti::Propri, Avanti::DallaSchermata,
     Layout::form10, crea<Form10>, "Command12", "A destra di...... 2", 0, 1, "a-destra-di-2"},
};
static_assert(std::size(Righe) == size_t(Numero), "one row for every screen");

constexpr bool inOrdine()
{
    for (size_t i = 0; i < std::size(Righe); ++i)
        if (Righe[i].id != Id(i))
            return false;
    return true;
}
static_assert(inOrdine(), "row i is the screen of id i");

// The menu: "Esci" and one button for every screen that has one, in the table's order, which is
// the buttons' tab order.
Layout::Schermo menu()
{
    QVector<Layout::PulsanteMenu> pulsanti;
    for (const Riga& v : Righe)
        if (v.pulsante)
            pulsanti.append({v.pulsante, QString::fromUtf8(v.didascalia), v.colonna, v.riga, int(v.id)});
    return Layout::menu(pulsanti);
}

}  // namespace

std::span<const Riga> righe()
{
    return Righe;
}

const Riga& riga(Id id)
{
    return Righe[size_t(id)];
}

std::optional<Id> daSigla(const QString& sigla)
{
    for (const Riga& v : Righe)
        if (v.sigla && sigla == QLatin1String(v.sigla))
            return v.id;
    return std::nullopt;
}

const Layout::Schermo& layout(Id id)
{
    static std::array<std::optional<Layout::Schermo>, Numero> fatti;
    std::optional<Layout::Schermo>& s = fatti[size_t(id)];
    if (!s) {
        const Riga& v = riga(id);
        s = Layout::conCornice(v.layout(), v.cornice);
        s->nome = QString::fromUtf8(v.nome);
        s->titolo = QString::fromUtf8(v.titolo);
    }
    return *s;
}

void installa()
{
    Registro::imposta({Numero, int(Id::FormMenu), [](int id) {
                           const Riga& r = riga(Id(id));
                           return r.crea({id, &layout(Id(id)), r.conti, r.avanti});
                       }});
}

}  // namespace Catalogo
