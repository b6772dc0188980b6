// The program played with switches, as children with motor difficulties play: with two (Space
// steps the cursor, Enter presses) and with one (the cursor steps by itself on the test's clock,
// Space presses), through every screen and question, and heard as well as seen.
#include "support/Aiuto.h"

#include "Applicazione.h"
#include "Opzioni.h"
#include "services/Percorsi.h"
#include "services/Voce.h"

#include <QAbstractButton>

using Sensori::Modo;

namespace {

Controlli::Evidenza* cursore(QWidget* finestra)
{
    return finestra ? finestra->findChild<Controlli::Evidenza*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// Where the switches' cursor stands on a window: a control, or a menu bar item.
QObject* dove(QWidget* finestra)
{
    Controlli::Evidenza* e = cursore(finestra);
    if (!e || !e->isVisible())
        return nullptr;
    return e->comando() ? static_cast<QObject*>(e->comando()) : e->bersaglio();
}
QObject* dove(Schermata& s) { return dove(s.window()); }

QString nome(QObject* o)
{
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text().remove('&');
    if (auto* c = qobject_cast<QAction*>(o))
        return c->text();
    return o ? o->objectName() : QStringLiteral("nothing");
}

bool premibile(QWidget* w) { return w && w->isEnabled() && w->isVisibleTo(w->window()); }

// The switches, as a child works them, on whatever window has the keyboard.
struct Sensore {
    Modo modo;
    OrologioFinto& orologio;
    // One move of the cursor: Space with two switches; with one, time until it moves by itself,
    // and then long enough that a press counts for where it now stands.
    void passo(QWidget* finestra)
    {
        if (modo == Modo::Due)
            return premiTasti("Space");
        QObject* da = dove(finestra);
        for (int i = 0; i < 400 && dove(finestra) == da; ++i)
            orologio.avanza(50);
        orologio.avanza(Sensori::Grazia);
    }
    void premi() { premiTasti(modo == Modo::Due ? "Return" : "Space"); }
    // On until the cursor stands on `tappa`; false if it never does.
    bool finoA(QWidget* finestra, QObject* tappa)
    {
        for (int i = 0; i < 30 && dove(finestra) != tappa; ++i)
            passo(finestra);
        return dove(finestra) == tappa;
    }
};

// What happened in a question answered with the switches: the stop the cursor started on, the
// one a step took it to, and whether the press answered.
struct InDomanda {
    QString testo, primo, dopoUnPasso;
    bool risposta = false;
};

// In the next question: one step when `passi` is 1, then a press.
std::shared_ptr<InDomanda> rispondiCoiSensori(Sensore& s, int passi)
{
    auto r = std::make_shared<InDomanda>();
    nelProssimo([&s, r, passi](QMessageBox* box) {
        r->testo = box->text();
        s.orologio.avanza(Sensori::AttesaAnnuncio);
        r->primo = nome(dove(box));
        for (int i = 0; i < passi; ++i)
            s.passo(box);
        r->dopoUnPasso = nome(dove(box));
        s.premi();
        r->risposta = !box->isVisible();
        if (box->isVisible())  // the switch did not answer: close it, and the test fails
            box->reject();
    });
    return r;
}

// The stops expected on a screen, from its built controls: what a click answers now (the
// answers and the keyboard's stops) by where they stand, top to bottom and left to right; then
// "avanti" when it is open, or the menu's loudspeaker; then the menu bar's "Esci".
QList<QObject*> giroAtteso(Schermata& s)
{
    QList<QWidget*> risposte;
    for (int i = 0; i < s.layout().controlli.size(); ++i) {
        const Layout::Controllo& c = s.layout().controlli[i];
        if ((c.risposta || c.tappa) && premibile(s.costruito(i)))
            risposte << s.costruito(i);
    }
    std::stable_sort(risposte.begin(), risposte.end(), [&](QWidget* a, QWidget* b) {
        const QPoint x = a->mapTo(s.window(), QPoint()), y = b->mapTo(s.window(), QPoint());
        return std::pair(x.y(), x.x()) < std::pair(y.y(), y.x());
    });
    QList<QObject*> g(risposte.begin(), risposte.end());
    for (const char* dopo : {"Command2", "InterruttoreVoce"})
        if (QWidget* w = controllo(s, dopo); premibile(w) && !g.contains(w))
            g << w;
    if (QAction* esci = comandoMenu(s, "mnuEsci"))
        g << esci;
    return g;
}

}  // namespace

class TestSensori : public QObject {
    Q_OBJECT
private slots:
    // The voice only where it is listened to: the test folder has none.
    void init() { Voce::impostaAttiva(false); }
    void cleanup() { Voce::impostaAttiva(true); }

    // The cursor goes round every screen in reading order, then "avanti", then "Esci", and
    // starts again; on the title only "Avvio", on the menu its buttons and the loudspeaker.
    void giroInOrdineDiLettura_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("modo");
        int i = 0;
        for (const Catalogo::Riga& v : Catalogo::righe())
            QTest::newRow(v.nome) << int(v.id) << int(i++ % 2 ? Modo::Uno : Modo::Due);
    }
    void giroInOrdineDiLettura()
    {
        QFETCH(int, schermo);
        QFETCH(int, modo);
        Ambiente a;
        Sensore sensore{Modo(modo), a.orologio};
        Sensori::impostaModo(Modo(modo));
        Schermata& s = apri(Id(schermo));
        a.orologio.avanza(Sensori::AttesaAnnuncio);
        const QList<QObject*> attesi = giroAtteso(s);
        QVERIFY(!attesi.isEmpty());
        QList<QObject*> visti = {dove(s)};
        for (int i = 0; i < attesi.size(); ++i) {
            sensore.passo(s.window());
            visti << dove(s);
        }
        QCOMPARE(visti, attesi + QList<QObject*>{attesi.first()});
        // Nothing pressed by going round.
        QVERIFY(a.lettore.suonati.isEmpty());
        QVERIFY(s.caricata());
    }

    // Each exercise played from its opening to the menu and out with the switches alone: the
    // answers tried in turn (a wrong one keeps the cursor, the right one sends it to "avanti"),
    // "avanti" (the cursor on the first answer of a new exercise), then "Esci", "No" first in
    // the question and "Sì" one step on, the menu, and its "Esci".
    void esercizioCoiSensori_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QList<double>>("estratti");
        // Draws that put the right answer after a wrong one in reading order, after the
        // title's and the menu's colours.
        const QList<double> sei = {0, 0.5 / 28, 1.5 / 28, 2.5 / 28, 5.5 / 28, 6.5 / 28, 7.5 / 28};
        const QList<std::pair<Id, QList<double>>> righe = {
            {Id::Form1, {0, 0.5, 0.05, 0.75}},
            {Id::Form2, {0, 0.5, 0.05, 0.75}},
            {Id::Form3, {0.75, 0.05}},
            {Id::Form4, {0, 5.5 / 28, 0.75, 0.55}},
            {Id::Form5, {0, 5.5 / 28, 0.75, 0.75}},
            {Id::Form6, {0, 5.5 / 56, 0.25, 0.55}},
            {Id::Form7, sei + QList<double>{0.75}},
            {Id::Form8, sei + QList<double>{0.4}},
            {Id::Form9, sei + QList<double>{0.25, 0.9}},
            {Id::FormDentroFuori1, {0.55}},
            {Id::Form10, {0.75}},
        };
        for (const auto& [id, estratti] : righe)
            for (Modo m : {Modo::Due, Modo::Uno})
                QTest::addRow("%s, %s", Catalogo::riga(id).nome, m == Modo::Due ? "two switches" : "one switch")
                    << int(id) << int(m) << QList<double>{0, 0} + estratti;
    }
    void esercizioCoiSensori()
    {
        QFETCH(int, schermo);
        QFETCH(int, modo);
        QFETCH(QList<double>, estratti);
        Ambiente a;
        for (double r : estratti)
            a.casuale.aggiungi({r});
        Sensore sensore{Modo(modo), a.orologio};
        Sensori::impostaModo(Modo(modo));
        Applicazione::Main();
        a.orologio.avanza(Sensori::AttesaAnnuncio);
        QCOMPARE(nome(dove(::schermo(Id::FormAvvio).window())), QString("Avvio"));
        sensore.premi();
        Schermata& menu = ::schermo(Id::FormMenu);
        QVERIFY(menu.caricata());
        a.orologio.avanza(Sensori::AttesaAnnuncio);
        QWidget* bottone = nullptr;
        for (int i = 0; i < menu.layout().controlli.size(); ++i)
            if (menu.layout().controlli[i].apre == schermo)
                bottone = menu.costruito(i);
        QVERIFY(sensore.finoA(menu.window(), bottone));
        sensore.premi();

        FormEsercizio& s = esercizio(::schermo(Id(schermo)));
        QVERIFY(s.caricata());
        a.orologio.avanza(Sensori::AttesaAnnuncio);
        QCOMPARE(dove(s), giroAtteso(s).first());
        const auto esatti = [&] { return s.conteggio().ContaEsatti; };
        const auto errati = [&] { return s.conteggio().ContaErrati; };
        for (int i = 0; i < 20 && !s.Command2->isEnabled(); ++i) {
            QObject* qui = dove(s);
            if (!s.controlliRisposta().contains(qobject_cast<QWidget*>(qui))) {
                sensore.passo(s.window());
                continue;
            }
            const int giuste = esatti(), sbagliate = errati();
            sensore.premi();
            if (errati() > sbagliate) {
                QCOMPARE(dove(s), qui);  // the child may try the next one
                // One switch: a press starts the wait again.
                if (sensore.modo == Modo::Uno) {
                    a.orologio.avanza(Sensori::ritmo() - 1);
                    QCOMPARE(dove(s), qui);
                }
                sensore.passo(s.window());
            } else {
                QCOMPARE(esatti(), giuste + 1);
                QVERIFY(dove(s) != qui);
                QVERIFY(premibile(qobject_cast<QWidget*>(dove(s))));
            }
        }
        QVERIFY(s.Command2->isEnabled());
        QVERIFY(errati() >= 1);
        QCOMPARE(dove(s), s.Command2);
        const int prima = a.casuale.consumati();
        if (sensore.modo == Modo::Uno)
            a.orologio.avanza(Sensori::Grazia);
        sensore.premi();
        QVERIFY(a.casuale.consumati() > prima);
        QVERIFY(!s.Command2->isEnabled());
        QCOMPARE(dove(s), giroAtteso(s).first());

        QVERIFY(sensore.finoA(s.window(), comandoMenu(s, "mnuEsci")));
        auto domanda = rispondiCoiSensori(sensore, 1);
        sensore.premi();
        QVERIFY(domanda->risposta);
        QCOMPARE(domanda->testo, QString::fromUtf8("Vuoi tornare al menù?"));
        QCOMPARE(domanda->primo, QString("No"));
        QCOMPARE(domanda->dopoUnPasso, QString::fromUtf8("Sì"));
        QVERIFY(!s.caricata());
        QVERIFY(menu.caricata());

        a.orologio.avanza(Sensori::AttesaAnnuncio);
        QVERIFY(sensore.finoA(menu.window(), controllo(menu, "Command1")));
        auto uscita = rispondiCoiSensori(sensore, 1);
        sensore.premi();
        QVERIFY(uscita->risposta);
        QCOMPARE(uscita->testo, QString("Vuoi uscire dal programma?"));
        QCOMPARE(aperte(), 0);
    }

    // "No" answers a question without a step, as it does from the keyboard; the information box
    // opened by an adult's mouse is gone round too (its OK alone), and the screen under it waits.
    void domandeEInformazioni_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("two switches") << int(Modo::Due);
        QTest::newRow("one switch") << int(Modo::Uno);
    }
    void domandeEInformazioni()
    {
        QFETCH(int, modo);
        Ambiente a;
        Sensore sensore{Modo(modo), a.orologio};
        Sensori::impostaModo(Modo(modo));
        FormEsercizio& s = esercizio(apri(Id::Form4));
        a.orologio.avanza(Sensori::AttesaAnnuncio);
        QObject* prima = dove(s);

        auto info = std::make_shared<InDomanda>();
        nelProssimo([&, info](QMessageBox* box) {
            a.orologio.avanza(Sensori::AttesaAnnuncio);
            info->primo = nome(dove(box));
            sensore.passo(box);
            info->dopoUnPasso = nome(dove(box));
            info->testo = nome(dove(s));  // the screen's cursor under the box
            sensore.premi();
            info->risposta = !box->isVisible();
            if (box->isVisible())
                box->reject();
        });
        comandoMenu(s, "mnuInformazioni")->trigger();
        QVERIFY(info->risposta);
        QCOMPARE(info->primo, QString("OK"));
        QCOMPARE(info->dopoUnPasso, QString("OK"));
        QCOMPARE(info->testo, nome(prima));

        QVERIFY(sensore.finoA(s.window(), comandoMenu(s, "mnuEsci")));
        auto no = rispondiCoiSensori(sensore, 0);
        sensore.premi();
        QVERIFY(no->risposta);
        QCOMPARE(no->primo, QString("No"));
        QVERIFY(s.caricata());
        QCOMPARE(dove(s), comandoMenu(s, "mnuEsci"));
        QVERIFY(a.lettore.suonati.isEmpty());
    }

    // One switch: a press just after the cursor moved presses what it left, which the child was
    // looking at when deciding; a little later, where it now stands.
    void pressioneDopoUnPasso_data()
    {
        QTest::addColumn<int>("dopo");
        QTest::addColumn<bool>("lasciato");
        QTest::newRow("at once") << 0 << true;
        QTest::newRow("0.25 s") << 250 << true;
        QTest::newRow("0.3 s") << 300 << false;
        QTest::newRow("1 s") << 1000 << false;
    }
    void pressioneDopoUnPasso()
    {
        QFETCH(int, dopo);
        QFETCH(bool, lasciato);
        Ambiente a;
        Sensori::impostaModo(Modo::Uno, 1.5);
        QCOMPARE(Sensori::ritmo(), 1500);
        Schermata& menu = apri(Id::FormMenu);
        a.orologio.avanza(Sensori::AttesaAnnuncio);
        QWidget* primo = qobject_cast<QWidget*>(dove(menu));
        a.orologio.avanza(Sensori::ritmo() - 1);
        QCOMPARE(dove(menu), primo);
        a.orologio.avanza(1);
        QWidget* secondo = qobject_cast<QWidget*>(dove(menu));
        QVERIFY(secondo && secondo != primo);
        int apre = -1;
        for (int k = 0; k < menu.layout().controlli.size(); ++k)
            if (menu.costruito(k) == (lasciato ? primo : secondo))
                apre = menu.layout().controlli[k].apre;
        QVERIFY(apre >= 0);
        a.orologio.avanza(dopo);
        premiTasti("Space");
        QVERIFY(schermo(Id(apre)).caricata());
        QCOMPARE(aperte(), 1);
    }

    // Heard as well as seen: each stop with words says them (a picture says nothing), only once
    // the screen's own sentence is over, and never an answer's sound before a press.
    void ogniTappaDiceLeSueParole_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("modo");
        QTest::newRow("menu") << int(Id::FormMenu) << int(Modo::Uno);
        QTest::newRow("Vero e falso 1") << int(Id::Form4) << int(Modo::Due);
        QTest::newRow("Alla mia 2") << int(Id::Form3) << int(Modo::Uno);
        QTest::newRow("Il detective 1") << int(Id::Form7) << int(Modo::Due);
        QTest::newRow("A destra di 2") << int(Id::Form10) << int(Modo::Uno);
    }
    void ogniTappaDiceLeSueParole()
    {
        QFETCH(int, schermo);
        QFETCH(int, modo);
        Ambiente a;
        Percorsi::impostaCartellaProgramma(qEnvironmentVariable("BUSSOLINO_BUILD_DIR"));
        Voce::impostaAttiva(true);
        Sensore sensore{Modo(modo), a.orologio};
        Sensori::impostaModo(Modo(modo));
        Schermata& s = apri(Id(schermo));
        const bool esercizio = Id(schermo) != Id::FormMenu;
        // The exercise's sentence, queued as the screen shows.
        if (esercizio)
            QTRY_VERIFY(!a.lettore.accodati.isEmpty());
        const int frase = int(a.lettore.accodati.size());
        qint64 durata = 0;
        for (const QString& f : a.lettore.accodati)
            durata += Sensori::durata(f);
        QVERIFY(!esercizio || durata > Sensori::AttesaAnnuncio);
        a.orologio.avanza(std::max(durata, Sensori::AttesaAnnuncio) - 1);
        QCOMPARE(a.lettore.accodati.size(), frase);  // nothing over the sentence
        a.orologio.avanza(1);
        int dette = frase;
        for (int i = 0; i <= giroAtteso(s).size(); ++i) {
            QObject* qui = dove(s);
            if (qobject_cast<QAbstractButton*>(qui) || qobject_cast<QAction*>(qui)) {
                const QString parole = Voce::percorsoDi(Voce::chiaveTappa(nome(qui)));
                QVERIFY2(!parole.isEmpty(), qPrintable("no words for " + nome(qui)));
                QCOMPARE(a.lettore.accodati.value(dette++), parole);
            }
            QCOMPARE(a.lettore.accodati.size(), dette);  // a picture says nothing
            QVERIFY(a.lettore.suonati.isEmpty());
            sensore.passo(s.window());
        }
    }

    // The command line: which switches, and the rhythm of one in seconds with a decimal point.
    void rigaDiComando_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("modo");
        QTest::addColumn<double>("ritmo");
        QTest::newRow("none") << QStringList{} << int(Modo::Nessuno) << 2.0;
        QTest::newRow("two") << QStringList{"--due-sensori"} << int(Modo::Due) << 2.0;
        QTest::newRow("one") << QStringList{"--un-sensore"} << int(Modo::Uno) << 2.0;
        QTest::newRow("one, 1.5 s") << QStringList{"--un-sensore", "--ritmo", "1.5"} << int(Modo::Uno) << 1.5;
        QTest::newRow("one, 0.5 s") << QStringList{"--un-sensore", "--ritmo=0.5"} << int(Modo::Uno) << 0.5;
        QTest::newRow("one, 10 s") << QStringList{"--un-sensore", "--ritmo", "10"} << int(Modo::Uno) << 10.0;
    }
    void rigaDiComando()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(int, modo);
        QFETCH(double, ritmo);
        Opzioni::Scelte scelte;
        QCOMPARE(Opzioni::leggi(QStringList{"bussolino"} + argomenti, scelte), std::nullopt);
        QCOMPARE(int(scelte.sensori), modo);
        QCOMPARE(scelte.ritmo, ritmo);
    }
};

BUSSOLINO_TEST_MAIN(TestSensori)
#include "test_sensori.moc"
