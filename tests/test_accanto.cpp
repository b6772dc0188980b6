// "Alla mia......" 1 and 2 played through real clicks: which side is right for each view.
#include "support/Aiuto.h"

#include "framework/Schermata.h"

using Schermate::Id;

namespace {
// The value r that makes Int(r * k) give i.
double Per(int i, int k) { return (i + 0.5) / k; }

// The draws of one exercise: colour, figure 1-28, view (facing or behind), then the screen's own.
QList<double> Draws(int figura, bool diFronte, double ultima)
{
    return {0.5, Per(figura - 1, 28), diFronte ? 0.75 : 0.25, ultima};
}

int Visibili(Schermata& f, const QString& nome, int quanti)
{
    int trovato = -1;
    for (int i = 0; i < quanti; ++i)
        if (f.controllo(nome, i)->isVisible())
            trovato = trovato < 0 ? i : -2;
    return trovato;  // the one visible index; -1 none, -2 more than one
}
}  // namespace

class TestAccanto : public QObject {
    Q_OBJECT
private slots:
    void micettoNelQuadratoGiusto_data()
    {
        QTest::addColumn<int>("figura");
        QTest::addColumn<bool>("diFronte");
        QTest::addColumn<bool>("destra");
        QTest::addColumn<int>("giusto");
        QTest::newRow("3 facing, DESTRA: left square") << 3 << true << true << 0;
        QTest::newRow("31 behind, DESTRA: right square") << 3 << false << true << 1;
        QTest::newRow("28 facing, SINISTRA: right square") << 28 << true << false << 1;
        QTest::newRow("29 behind, SINISTRA: left square") << 1 << false << false << 0;
    }
    void micettoNelQuadratoGiusto()
    {
        QFETCH(int, figura);
        QFETCH(bool, diFronte);
        QFETCH(bool, destra);
        QFETCH(int, giusto);
        Ambiente a;
        for (double r : Draws(figura, diFronte, destra ? 0.75 : 0.25))
            a.casuale.aggiungi({r});
        a.casuale.aggiungi({0.0});  // right-answer sound
        for (double r : Draws(figura, diFronte, destra ? 0.75 : 0.25))
            a.casuale.aggiungi({r});
        Schermata& f = Apri(Id::Form2);
        QCOMPARE(a.casuale.consumati(), 4);
        QCOMPARE(NumeroDaImmagine(f.immagine("Image1")->immagine()), diFronte ? figura : figura + 28);
        QCOMPARE(f.etichetta("Label5")->testo(), destra ? QString("IL MICETTO E' ALLA MIA DESTRA")
                                                        : QString("IL MICETTO E' ALLA MIA SINISTRA"));
        QCOMPARE(Visibili(f, "PictureGatto", 2), -1);

        Clicca(f.etichetta("Label3", 1 - giusto));
        QCOMPARE(Visibili(f, "PictureGatto", 2), -1);
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 1"));
        QVERIFY(f.controllo("Label3", giusto)->isEnabled());

        Clicca(f.etichetta("Label3", giusto));
        QCOMPARE(Visibili(f, "PictureGatto", 2), giusto);
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QCOMPARE(a.lettore.nomi(), (QStringList{"no.wav", "si1.wav"}));
        QVERIFY(!f.controllo("Label3", 0)->isEnabled() && !f.controllo("Label3", 1)->isEnabled());

        // "avanti": the same exercise again starts with no kitten and open squares.
        Clicca(f.pulsante("Command2"));
        QCOMPARE(Visibili(f, "PictureGatto", 2), -1);
        QVERIFY(f.controllo("Label3", 0)->isEnabled() && f.controllo("Label3", 1)->isEnabled());
        QVERIFY(!f.pulsante("Command2")->isEnabled());
    }

    void oggettoAccantoAllaFigura_data()
    {
        QTest::addColumn<int>("figura");
        QTest::addColumn<bool>("diFronte");
        QTest::addColumn<int>("posizione");
        QTest::addColumn<bool>("destra");
        QTest::newRow("facing, 5 right column: SINISTRA") << 7 << true << 5 << false;
        QTest::newRow("behind, 5 right column: DESTRA") << 7 << false << 5 << true;
        QTest::newRow("facing, 0 left column: DESTRA") << 7 << true << 0 << true;
        QTest::newRow("behind, 0 left column: SINISTRA") << 7 << false << 0 << false;
        QTest::newRow("facing, 4 left column: DESTRA") << 28 << true << 4 << true;
        QTest::newRow("behind, 9 right column: DESTRA") << 1 << false << 9 << true;
    }
    void oggettoAccantoAllaFigura()
    {
        QFETCH(int, figura);
        QFETCH(bool, diFronte);
        QFETCH(int, posizione);
        QFETCH(bool, destra);
        Ambiente a;
        for (double r : Draws(figura, diFronte, Per(posizione, 10)))
            a.casuale.aggiungi({r});
        a.casuale.aggiungi({0.99});  // right-answer sound
        for (double r : Draws(figura, !diFronte, Per(9 - posizione, 10)))
            a.casuale.aggiungi({r});
        Schermata& f = Apri(Id::Form3);
        QCOMPARE(NumeroDaImmagine(f.immagine("Image1")->immagine()), diFronte ? figura : figura + 28);
        QCOMPARE(Visibili(f, "Picture1", 10), posizione);
        Controlli::Pulsante* giusto = f.pulsante(destra ? "Command1" : "Command3");
        Controlli::Pulsante* sbagliato = f.pulsante(destra ? "Command3" : "Command1");

        Clicca(sbagliato);
        Clicca(sbagliato);
        QVERIFY(giusto->isEnabled() && sbagliato->isEnabled());
        // The reset item leaves the exercise and its answer as they are.
        f.voceMenu("mnuAzzera")->trigger();
        QCOMPARE(Visibili(f, "Picture1", 10), posizione);
        Clicca(giusto);
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString("0"));
        QCOMPARE(a.lettore.nomi(), (QStringList{"no.wav", "no.wav", "si4.wav"}));
        QVERIFY(!giusto->isEnabled() && !sbagliato->isEnabled());

        // Next: the other view with the mirrored place keeps the same answer; the face stays.
        Clicca(f.pulsante("Command2"));
        QCOMPARE(Visibili(f, "Picture1", 10), 9 - posizione);
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        Clicca(giusto);
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 2"));
    }
};

BUSSOLINO_TEST_MAIN(TestAccanto)
#include "test_accanto.moc"
