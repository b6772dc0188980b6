// "Su di me " played through real clicks, and the frame's rules on it.
#include "support/Aiuto.h"
#include "framework/Registro.h"

#include "services/Modulo1.h"
#include "framework/Schermata.h"

using Schermate::Id;

namespace {
// The draws of one exercise: colour, figure 1-28, view (1 facing), side asked (1 right).
QList<double> Draws(int figura, bool diFronte, bool destro)
{
    return {0.5, (figura - 1 + 0.5) / 28.0, diFronte ? 0.75 : 0.25, destro ? 0.75 : 0.25};
}
}  // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void latoGiustoPerOgniCaso_data()
    {
        QTest::addColumn<int>("figura");
        QTest::addColumn<bool>("diFronte");
        QTest::addColumn<bool>("destro");
        QTest::addColumn<int>("giusto");
        QTest::newRow("5 facing, DESTRO: left half") << 5 << true << true << 0;
        QTest::newRow("33 behind, DESTRO: right half") << 5 << false << true << 1;
        QTest::newRow("12 facing, SINISTRO: right half") << 12 << true << false << 1;
        QTest::newRow("40 behind, SINISTRO: left half") << 12 << false << false << 0;
    }
    void latoGiustoPerOgniCaso()
    {
        QFETCH(int, figura);
        QFETCH(bool, diFronte);
        QFETCH(bool, destro);
        QFETCH(int, giusto);
        Ambiente a;
        for (double r : Draws(figura, diFronte, destro))
            a.casuale.aggiungi({r});
        Schermata& f = Apri(Id::Form1);
        QCOMPARE(a.casuale.consumati(), 4);
        QCOMPARE(NumeroDaImmagine(f.immagine("Image1")->immagine()), diFronte ? figura : figura + 28);
        QCOMPARE(f.etichetta("Label5")->testo(),
                 destro ? QString("CLICCA SUL MIO LATO DESTRO") : QString("CLICCA SUL MIO LATO SINISTRO"));

        // Wrong half first: sad face, one error, the same exercise stays.
        Clicca(f.etichetta("Label3", 1 - giusto));
        QVERIFY(f.immagine("ComandoIconaNo")->isVisible());
        QVERIFY(!f.immagine("ComandoIconaSi")->isVisible());
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 1"));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString("0"));
        QCOMPARE(a.lettore.nomi(), QStringList{"no.wav"});
        QVERIFY(f.controllo("Label3", 0)->isEnabled());
        QVERIFY(!f.pulsante("Command2")->isEnabled());

        Clicca(f.etichetta("Label3", giusto));
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        QVERIFY(!f.immagine("ComandoIconaNo")->isVisible());
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 1"));
        QCOMPARE(a.lettore.suonati.size(), 2);
        QVERIFY(a.lettore.nomi().last().startsWith("si"));
        QVERIFY(!f.controllo("Label3", 0)->isEnabled());
        QVERIFY(!f.controllo("Label3", 1)->isEnabled());
        QVERIFY(f.pulsante("Command2")->isEnabled());

        // Answered: the picture no longer reacts.
        QTest::mouseClick(f.etichetta("Label3", giusto), Qt::LeftButton);
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QCOMPARE(a.lettore.suonati.size(), 2);
    }

    void avantiNuovoEsercizioColoreNuovoFacciaResta()
    {
        Ambiente a;
        a.casuale.aggiungi({0.0, 0.1, 0.9, 0.9});           // first exercise: light pink, facing, DESTRO
        a.casuale.aggiungi({0.0});                          // right-answer sound
        a.casuale.aggiungi({16.5 / 18, 0.5, 0.1, 0.1});     // next: blue, behind, SINISTRO
        Schermata& f = Apri(Id::Form1);
        QCOMPARE(f.sfondo(), 0xC0C0FFu);
        Clicca(f.etichetta("Label3", 0));
        QCOMPARE(a.lettore.nomi(), QStringList{"si1.wav"});
        Clicca(f.pulsante("Command2"));
        QCOMPARE(f.sfondo(), 0xFF0000u);
        QVERIFY(!f.pulsante("Command2")->isEnabled());
        QVERIFY(f.controllo("Label3", 0)->isEnabled());
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        QCOMPARE(f.etichetta("Label5")->testo(), QString("CLICCA SUL MIO LATO SINISTRO"));
    }

    void azzeraTieneLaFacciaERiaperturaDalProgetto()
    {
        Ambiente a;
        a.casuale.aggiungi({0.5, 0.1, 0.9, 0.9});  // facing, DESTRO: left half is right
        Schermata& f = Apri(Id::Form1);
        Clicca(f.etichetta("Label3", 1));
        Clicca(f.etichetta("Label3", 0));
        f.voceMenu("mnuAzzera")->trigger();
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString("0"));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString("0"));
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        QVERIFY(f.pulsante("Command2")->isEnabled());
        QCOMPARE(Modulo1::ContaEsatti, 0);

        auto info = RispondiAlProssimo(QMessageBox::Ok);
        f.voceMenu("mnuInformazioni")->trigger();
        QVERIFY(info->vista);
        QVERIFY(f.pulsante("Command2")->isEnabled());

        // Back to the menu in the answered state, then open again: designed states and zeros.
        auto si = RispondiAlProssimo(QMessageBox::Yes);
        f.voceMenu("mnuEsci")->trigger();
        QVERIFY(si->vista);
        Clicca(Registro::oggetto(Id::FormMenu).pulsante("Command2"));
        QVERIFY(f.caricata());
        QVERIFY(!f.pulsante("Command2")->isEnabled());
        QVERIFY(f.controllo("Label3", 0)->isEnabled());
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        QVERIFY(f.immagine("ComandoIconaNo")->isVisible());
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString("0"));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString("0"));
    }

    void contatoreFermoAlMassimo()
    {
        Ambiente a;
        a.casuale.aggiungi({0.5, 0.1, 0.9, 0.9});
        Schermata& f = Apri(Id::Form1);
        Modulo1::ContaErrati = 32766;
        Clicca(f.etichetta("Label3", 1));
        Clicca(f.etichetta("Label3", 1));
        QCOMPARE(Modulo1::ContaErrati, 32767);
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 32767"));
    }

    void figuraMancanteIlGiocoContinua()
    {
        Ambiente a(false);
        a.casuale.aggiungi({0.5, 0.1, 0.9, 0.9});
        Schermata& f = Apri(Id::Form1);
        QVERIFY(f.immagine("Image1")->immagine().isNull());
        Clicca(f.etichetta("Label3", 0));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QVERIFY(QApplication::topLevelWidgets().size() >= 1);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

BUSSOLINO_TEST_MAIN(TestForm1)
#include "test_form1.moc"
