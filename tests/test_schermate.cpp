// Start-up, title screen, menu and the way one screen replaces another.
#include "support/Aiuto.h"

#include "app/FormEsercizio.h"
#include "app/Modulo1.h"
#include "app/Schermata.h"
#include "ui/Tela.h"

#include <QMenuBar>

using Schermate::Id;

namespace {
struct Voce {
    const char* pulsante;
    const char* testo;
    Id apre;
    int larghezza, altezza;
};
const Voce Voci[] = {
    {"Command2", "Su di me ", Id::Form1, 640, 493},
    {"Command3", "Alla mia......    1", Id::Form2, 640, 493},
    {"Command4", "Alla mia......    2", Id::Form3, 640, 493},
    {"Command5", "Vero e falso   1", Id::Form4, 640, 493},
    {"Command6", "Vero e falso   2", Id::Form5, 640, 493},
    {"Command7", "Vero e falso   3", Id::Form6, 640, 493},
    {"Command8", "Il detective 1", Id::Form7, 640, 493},
    {"Command9", "Il detective 2", Id::Form8, 640, 493},
    {"Command10", "Il detective 3", Id::Form9, 640, 493},
    {"Command11", "A destra di......  1", Id::FormDentroFuori1, 641, 475},
    {"Command12", "A destra di...... 2", Id::Form10, 641, 475},
};

Schermata& AlMenu()
{
    Modulo1::Main();
    Clicca(Schermate::Oggetto(Id::FormAvvio).pulsante("BottoneAvvio"));
    return Schermate::Oggetto(Id::FormMenu);
}
}  // namespace

class TestSchermate : public QObject {
    Q_OBJECT
private slots:
    void avvioColoratoPoiMenu()
    {
        Ambiente a;
        a.casuale.aggiungi({0.0 / 18, 2.0 / 18});  // light pink, then red
        Modulo1::Main();
        Schermata& avvio = Schermate::Oggetto(Id::FormAvvio);
        QVERIFY(avvio.caricata());
        QCOMPARE(avvio.sfondo(), 0xC0C0FFu);
        QCOMPARE(avvio.tela()->size(), QSize(687, 600));
        QCOMPARE(avvio.etichetta("Label2", 0)->testo(), QString("Bussolino"));
        Modulo1::ContaEsatti = 4;
        Clicca(avvio.pulsante("BottoneAvvio"));
        QVERIFY(!avvio.caricata());
        Schermata& menu = Schermate::Oggetto(Id::FormMenu);
        QCOMPARE(Schermate::Aperte(), 1);
        QCOMPARE(menu.sfondo(), 0x0000FFu);
        QCOMPARE(menu.tela()->size(), QSize(602, 518));
        QCOMPARE(Modulo1::ContaEsatti, 0);
    }

    void ogniPulsanteApreLaSuaSchermata_data()
    {
        QTest::addColumn<int>("voce");
        for (int i = 0; i < int(std::size(Voci)); ++i)
            QTest::newRow(Voci[i].pulsante) << i;
    }
    void ogniPulsanteApreLaSuaSchermata()
    {
        QFETCH(int, voce);
        const Voce& v = Voci[voce];
        Ambiente a;
        Schermata& menu = AlMenu();
        QCOMPARE(menu.pulsante(v.pulsante)->text(), QString(v.testo));
        Clicca(menu.pulsante(v.pulsante));
        QVERIFY(!menu.caricata());
        QCOMPARE(Schermate::Aperte(), 1);
        auto& es = static_cast<FormEsercizio&>(Schermate::Oggetto(v.apre));
        QVERIFY(es.caricata());
        QCOMPARE(es.tela()->size(), QSize(v.larghezza, v.altezza));
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
        QCOMPARE(no->predefinito, QString::fromUtf8("Sì"));
        QVERIFY(es.caricata());
        Modulo1::ContaErrati = 9;
        auto si = RispondiAlProssimo(QMessageBox::Yes);
        esci->trigger();
        QVERIFY(si->vista);
        QVERIFY(!es.caricata());
        QVERIFY(menu.caricata());
        QCOMPARE(Modulo1::ContaErrati, 0);
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
        QVERIFY(!Schermate::Terminato());
        auto si = RispondiAlProssimo(QMessageBox::Yes);
        Clicca(menu.pulsante("Command1"));
        QVERIFY(Schermate::Terminato());
        QCOMPARE(Schermate::Aperte(), 0);
    }

    void chiusuraDallaCorniceFinisceIlProgramma()
    {
        Ambiente a;
        Modulo1::Main();
        Schermata& avvio = Schermate::Oggetto(Id::FormAvvio);
        avvio.window()->close();
        QCOMPARE(Schermate::Aperte(), 0);
        QVERIFY(!Schermate::Oggetto(Id::FormMenu).caricata());

        Schermata& menu = AlMenu();
        Clicca(menu.pulsante("Command12"));
        Schermate::Oggetto(Id::Form10).window()->close();
        QCOMPARE(Schermate::Aperte(), 0);
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
