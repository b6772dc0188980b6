// Start-up, title screen, menu and the way one screen replaces another.
#include "support/Aiuto.h"
#include "Applicazione.h"
#include "framework/Registro.h"

#include "framework/FormEsercizio.h"
#include "services/Modulo1.h"
#include "framework/Schermata.h"
#include "ui/Tela.h"

#include <QMenuBar>

using Schermate::Id;

namespace {
// The menu as the child reads it: the left column top to bottom, then the right one.
const QStringList Didascalie = {"A destra di......  1", "A destra di...... 2", "Su di me ", "Alla mia......    1",
                                "Alla mia......    2", "Vero e falso   1", "Vero e falso   2", "Vero e falso   3",
                                "Il detective 1", "Il detective 2", "Il detective 3", "Esci"};

Schermata& AlMenu()
{
    Applicazione::Main();
    Clicca(Registro::oggetto(Id::FormAvvio).pulsante("BottoneAvvio"));
    return Registro::oggetto(Id::FormMenu);
}
}  // namespace

class TestSchermate : public QObject {
    Q_OBJECT
private slots:
    void avvioColoratoPoiMenu()
    {
        Ambiente a;
        a.casuale.aggiungi({0.0 / 18, 2.0 / 18});  // light pink, then red
        Applicazione::Main();
        Schermata& avvio = Registro::oggetto(Id::FormAvvio);
        QVERIFY(avvio.caricata());
        QCOMPARE(avvio.sfondo(), 0xC0C0FFu);
        QCOMPARE(avvio.tela()->size(), QSize(687, 600));
        QCOMPARE(avvio.etichetta("Label2", 0)->testo(), QString("Bussolino"));
        Modulo1::ContaEsatti = 4;
        Clicca(avvio.pulsante("BottoneAvvio"));
        QVERIFY(!avvio.caricata());
        Schermata& menu = Registro::oggetto(Id::FormMenu);
        QCOMPARE(Registro::aperte(), 1);
        QCOMPARE(menu.sfondo(), 0x0000FFu);
        QCOMPARE(menu.tela()->size(), QSize(602, 518));
        QCOMPARE(Modulo1::ContaEsatti, 0);
    }

    void ogniPulsanteApreLaSuaSchermata_data()
    {
        QTest::addColumn<int>("voce");
        for (const Schermate::Voce& v : Schermate::tabella())
            if (v.pulsante)
                QTest::newRow(v.pulsante) << int(v.id);
    }
    void ogniPulsanteApreLaSuaSchermata()
    {
        QFETCH(int, voce);
        const Schermate::Voce& v = Schermate::voce(Id(voce));
        // The client area of the frame's geometry: 9600 x 7395 twips, or 9615 x 7125.
        const QSize area = v.cornice == Layout::Cornice::A ? QSize(640, 493) : QSize(641, 475);
        Ambiente a;
        Schermata& menu = AlMenu();
        QCOMPARE(menu.pulsante(v.pulsante)->text(), QString::fromUtf8(v.didascalia));
        Clicca(menu.pulsante(v.pulsante));
        QVERIFY(!menu.caricata());
        QCOMPARE(Registro::aperte(), 1);
        auto& es = static_cast<FormEsercizio&>(Registro::oggetto(v.id));
        QVERIFY(es.caricata());
        QCOMPARE(es.tela()->size(), area);
        QCOMPARE(es.etichetta("EtichettaEsatti")->testo(), QString("0"));
        QCOMPARE(es.etichetta("EtichettaErrati")->testo(), QString("0"));
        QVERIFY(es.immagine("ComandoIconaSi")->isVisible());

        // "Esci": "No" keeps the screen as it is; "Sì" goes back to the menu with the counts at 0.
        QAction* esci = es.voceMenu("mnuEsci");
        auto no = RispondiAlProssimo(QMessageBox::No);
        esci->trigger();
        QCOMPARE(no->testo, QString::fromUtf8("Vuoi tornare al menù?"));
        QCOMPARE(no->bottoni.size(), 2);
        QVERIFY(no->bottoni.contains(QString::fromUtf8("Sì")));
        QCOMPARE(no->predefinito, QString("No"));
        QVERIFY(es.caricata());
        Modulo1::ContaErrati = 9;
        auto si = RispondiAlProssimo(QMessageBox::Yes);
        esci->trigger();
        QVERIFY(si->vista);
        QVERIFY(!es.caricata());
        QVERIFY(menu.caricata());
        QCOMPARE(Modulo1::ContaErrati, 0);
    }

    void menuComeLoLeggeIlBambino()
    {
        Ambiente a;
        Schermata& menu = AlMenu();
        QList<QWidget*> pulsanti = menu.tela()->findChildren<QWidget*>();
        std::sort(pulsanti.begin(), pulsanti.end(), [](QWidget* x, QWidget* y) {
            return std::pair(x->x(), x->y()) < std::pair(y->x(), y->y());
        });
        QStringList letti;
        for (QWidget* w : pulsanti)
            letti << static_cast<QAbstractButton*>(w)->text();
        QCOMPARE(letti, Didascalie);
    }

    void menuEsci()
    {
        Ambiente a;
        Schermata& menu = AlMenu();
        const uint32_t colore = menu.sfondo();
        auto no = RispondiAlProssimo(QMessageBox::No);
        Clicca(menu.pulsante("Command1"));
        QCOMPARE(no->testo, QString("Vuoi uscire dal programma?"));
        QCOMPARE(no->icona, QMessageBox::Question);
        QCOMPARE(no->titolo, QString("Bussolino"));
        QVERIFY(menu.caricata());
        QCOMPARE(menu.sfondo(), colore);
        QVERIFY(!Registro::terminato());
        auto si = RispondiAlProssimo(QMessageBox::Yes);
        Clicca(menu.pulsante("Command1"));
        QVERIFY(Registro::terminato());
        QCOMPARE(Registro::aperte(), 0);
    }

    void chiusuraDallaCorniceFinisceIlProgramma()
    {
        Ambiente a;
        Applicazione::Main();
        Schermata& avvio = Registro::oggetto(Id::FormAvvio);
        avvio.window()->close();
        QCOMPARE(Registro::aperte(), 0);
        QVERIFY(!Registro::oggetto(Id::FormMenu).caricata());

        Schermata& menu = AlMenu();
        Clicca(menu.pulsante("Command12"));
        Registro::oggetto(Id::Form10).window()->close();
        QCOMPARE(Registro::aperte(), 0);
    }

    void vociDelMenuColleLoroSpaziature()
    {
        Ambiente a;
        Schermata& f1 = Apri(Id::Form1);
        QStringList testi;
        for (QAction* act : f1.window()->menuBar()->actions())
            testi << act->text();
        QCOMPARE(testi, QStringList({"Azzera  conteggio        ", "Informazioni          ", "Esci"}));
        Schermata& f10 = Apri(Id::Form10);
        testi.clear();
        for (QAction* act : f10.window()->menuBar()->actions())
            testi << act->text();
        QCOMPARE(testi, QStringList({"Azzera conteggio         ", "Informazioni         ", "Esci"}));
    }
};

BUSSOLINO_TEST_MAIN(TestSchermate)
#include "test_schermate.moc"
