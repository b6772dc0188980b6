// "Vero e falso" 1 to 3: the range of poses each draws from, poses with both arms alike drawn
// again, the statement made, and "VERO" and "FALSO" judged against the picture shown.
#include "support/Aiuto.h"

// tentativi: Int(r * quante) + 1 of each attempt; lato 1: the right arm; falsa 1: a false statement.
struct RigaPosaEFrase { int id, quante; QList<int> tentativi; double lato, falsa; int posa; QString frase; };
Q_DECLARE_METATYPE(RigaPosaEFrase)

class TestVeroFalso : public QObject {
    Q_OBJECT
private slots:
    // One draw per attempt; the statement and the buttons judge the pose finally shown.
    void posaEFrase_data()
    {
        QTest::addColumn<RigaPosaEFrase>("riga");
        QTest::newRow("2: 1-5 alike, then 6, right true") << RigaPosaEFrase{int(Id::Form5), 28, QList<int>{1, 2, 3, 4, 5, 6}, .75, .25, 6, "HO IL BRACCIO DESTRO APERTO VERSO L'ALTO"};
        QTest::newRow("2: 6 left true") << RigaPosaEFrase{int(Id::Form5), 28, QList<int>{6}, .25, .25, 6, "HO IL BRACCIO SINISTRO VERSO L'ESTERNO"};
        QTest::newRow("2: 6 right false") << RigaPosaEFrase{int(Id::Form5), 28, QList<int>{6}, .75, .75, 6, "HO IL BRACCIO DESTRO VERSO L'ESTERNO"};
        QTest::newRow("2: 28 left false") << RigaPosaEFrase{int(Id::Form5), 28, QList<int>{28}, .25, .75, 28, "HO IL BRACCIO SINISTRO IN BASSO"};
        QTest::newRow("1: 29-33 alike, then 34") << RigaPosaEFrase{int(Id::Form4), 28, QList<int>{5, 4, 3, 2, 1, 6}, .75, .25, 34, "HO IL BRACCIO DESTRO VERSO L'ESTERNO"};
        QTest::newRow("1: top row 56, left false") << RigaPosaEFrase{int(Id::Form4), 28, QList<int>{28}, .25, .75, 56, "HO IL BRACCIO SINISTRO IN ALTO"};
        QTest::newRow("3: both halves, then 56") << RigaPosaEFrase{int(Id::Form6), 56, QList<int>{29, 33, 1, 5, 56}, .75, .25, 56, "HO IL BRACCIO DESTRO IN ALTO"};
        QTest::newRow("3: 34 left false") << RigaPosaEFrase{int(Id::Form6), 56, QList<int>{34}, .25, .75, 34, "HO IL BRACCIO SINISTRO VERSO L'ESTERNO"};
    }
    void posaEFrase()
    {
        QFETCH(RigaPosaEFrase, riga);
        const auto& [id, quante, tentativi, lato, falsa, posa, frase] = riga;
        Ambiente a;
        a.copione({0.5});
        for (int n : tentativi)
            a.copione({estrai(n - 1, quante)});
        a.copione({lato, falsa});
        Schermata& s = apri(Id(id));
        QCOMPARE(a.casuale.consumati(), 3 + int(tentativi.size()));
        QCOMPARE(posaMostrata(immagine(s, "Image1")->immagine()), posa);
        QCOMPARE(etichetta(s, "Label5")->testo(), frase);
        clicca(pulsante(s, falsa > .5 ? "Command1" : "Command3"));
        clicca(pulsante(s, falsa > .5 ? "Command3" : "Command1"));
        QCOMPARE(a.lettore.nomi().size(), 2);
        QVERIFY(a.lettore.nomi()[0] == "no.wav" && a.lettore.nomi()[1].startsWith("si"));
    }
};

BUSSOLINO_TEST_MAIN(TestVeroFalso)
#include "test_verofalso.moc"
