// "Su di me " and "Alla mia......" 1 and 2: which side is right for a figure that faces the child
// or turns its back, the picture and sentence shown, the kitten and the object beside the figure.
#include "support/Aiuto.h"

// copione: colour, figure 1-28, facing (1), then the screen's own; oggetto: "Alla mia 2"'s object shown.
struct RigaGiudizio { int id; QList<double> copione; int posa; QString testo; int oggetto; QString giusta, sbagliata; };
Q_DECLARE_METATYPE(RigaGiudizio)

class TestCorpo : public QObject {
    Q_OBJECT
private slots:
    void giudizio_data()
    {
        QTest::addColumn<RigaGiudizio>("riga");
        const auto d = [](int f, bool diFronte, double ultima) { return QList<double>{.5, estrai(f - 1, 28), diFronte ? .75 : .25, ultima}; };
        const QString destro = "CLICCA SUL MIO LATO DESTRO", sinistro = "CLICCA SUL MIO LATO SINISTRO";
        const QString destra = "IL MICETTO E' ALLA MIA DESTRA", sinistra = "IL MICETTO E' ALLA MIA SINISTRA";
        const QString l0 = "Label3(0)", l1 = "Label3(1)", c1 = "Command1", c3 = "Command3", ealla = "E' ALLA MIA";
        // A figure facing the child has its own right side on the child's left.
        QTest::newRow("1: 5 facing, DESTRO") << RigaGiudizio{int(Id::Form1), d(5, true, .75), 5, destro, -1, l0, l1};
        QTest::newRow("1: 33 behind, DESTRO") << RigaGiudizio{int(Id::Form1), d(5, false, .75), 33, destro, -1, l1, l0};
        QTest::newRow("1: 12 facing, SINISTRO") << RigaGiudizio{int(Id::Form1), d(12, true, .25), 12, sinistro, -1, l1, l0};
        QTest::newRow("1: 40 behind, SINISTRO") << RigaGiudizio{int(Id::Form1), d(12, false, .25), 40, sinistro, -1, l0, l1};
        QTest::newRow("2: 3 facing, DESTRA") << RigaGiudizio{int(Id::Form2), d(3, true, .75), 3, destra, -1, l0, l1};
        QTest::newRow("2: 31 behind, DESTRA") << RigaGiudizio{int(Id::Form2), d(3, false, .75), 31, destra, -1, l1, l0};
        QTest::newRow("2: 28 facing, SINISTRA") << RigaGiudizio{int(Id::Form2), d(28, true, .25), 28, sinistra, -1, l1, l0};
        QTest::newRow("2: 29 behind, SINISTRA") << RigaGiudizio{int(Id::Form2), d(1, false, .25), 29, sinistra, -1, l0, l1};
        // Objects 0 to 4 stand on the child's left of the figure, 5 to 9 on the right.
        QTest::newRow("3: facing, object 5: SINISTRA") << RigaGiudizio{int(Id::Form3), d(7, true, estrai(5, 10)), 7, ealla, 5, c3, c1};
        QTest::newRow("3: behind, object 5: DESTRA") << RigaGiudizio{int(Id::Form3), d(7, false, estrai(5, 10)), 35, ealla, 5, c1, c3};
        QTest::newRow("3: facing, object 4: DESTRA") << RigaGiudizio{int(Id::Form3), d(28, true, estrai(4, 10)), 28, ealla, 4, c1, c3};
        QTest::newRow("3: behind, object 0: SINISTRA") << RigaGiudizio{int(Id::Form3), d(1, false, estrai(0, 10)), 29, ealla, 0, c3, c1};
        QTest::newRow("3: behind, object 9: DESTRA") << RigaGiudizio{int(Id::Form3), d(1, false, estrai(9, 10)), 29, ealla, 9, c1, c3};
    }
    void giudizio()
    {
        QFETCH(RigaGiudizio, riga);
        const auto& [id, copione, posa, testo, oggetto, giusta, sbagliata] = riga;
        Ambiente a;
        for (double r : copione + QList<double>{0.0} + copione)
            a.copione({r});
        Schermata& s = apri(Id(id));
        QCOMPARE(a.casuale.consumati(), int(copione.size()));
        QCOMPARE(posaMostrata(immagine(s, "Image1")->immagine()), posa);
        QCOMPARE(etichetta(s, "Label5")->testo(), testo);
        QCOMPARE(mostrati(s, "Picture1"), oggetto < 0 ? QList<int>{} : QList<int>{oggetto});
        clicca(controllo(s, sbagliata));
        clicca(controllo(s, giusta));
        QCOMPARE(a.lettore.nomi(), (QStringList{"no.wav", "si1.wav"}));
        // The kitten, the reward of a right answer, shows in the square clicked, and only then.
        if (Id(id) == Id::Form2) {
            QCOMPARE(mostrati(s, "PictureGatto"), QList<int>{giusta == "Label3(1)"});
            clicca(pulsante(s, "Command2"));
            QCOMPARE(mostrati(s, "PictureGatto"), QList<int>{});
        }
    }
};

BUSSOLINO_TEST_MAIN(TestCorpo)
#include "test_corpo.moc"
