// "A destra di......" 1 and 2: each animal wholly on its side of the lines, the answers judged by
// where it stands, the line restating each right answer, and "avanti" only once all are given.
#include "support/Aiuto.h"

namespace {
int animali(Id id) { return id == Id::Form10 ? 45 : 30; }
}  // namespace

// aSinistra: the line the animals stand right of; aDestra: the line they stand left of.
struct RigaAnimaliAlLoroPosto { int id, da, a; QString aSinistra, aDestra; };
Q_DECLARE_METATYPE(RigaAnimaliAlLoroPosto)

// giuste: in the order answered; righe: the label after each; dopo: the animal "avanti" brings.
struct RigaGiudizio { int id, animale; QStringList giuste, sbagliate, righe; int dopo; };
Q_DECLARE_METATYPE(RigaGiudizio)

class TestRighe : public QObject {
    Q_OBJECT
private slots:
    void animaliAlLoroPosto_data()
    {
        QTest::addColumn<RigaAnimaliAlLoroPosto>("riga");
        QTest::newRow("1: 1-15 right") << RigaAnimaliAlLoroPosto{int(Id::FormDentroFuori1), 1, 15, "Line1", ""};
        QTest::newRow("1: 16-30 left") << RigaAnimaliAlLoroPosto{int(Id::FormDentroFuori1), 16, 30, "", "Line1"};
        QTest::newRow("2: 1-15 right of green") << RigaAnimaliAlLoroPosto{int(Id::Form10), 1, 15, "Line1(0)", ""};
        QTest::newRow("2: 16-30 between") << RigaAnimaliAlLoroPosto{int(Id::Form10), 16, 30, "Line1(1)", "Line1(0)"};
        QTest::newRow("2: 31-45 left of yellow") << RigaAnimaliAlLoroPosto{int(Id::Form10), 31, 45, "", "Line1(1)"};
    }
    void animaliAlLoroPosto()
    {
        QFETCH(RigaAnimaliAlLoroPosto, riga);
        const auto& [id, da, a, aSinistra, aDestra] = riga;
        Ambiente amb;
        Schermata& s = apri(Id(id));
        QWidget* campo = controllo(s, "Picture1");
        for (const QString& riga : {aSinistra, aDestra})
            if (!riga.isEmpty())
                QCOMPARE(campo->findChild<Controlli::Linea*>(riga)->colore(), riga == "Line1(1)" ? QColor(255, 255, 0) : QColor(0, 0xC0, 0));
        for (int i = da; i <= a; ++i) {
            const QRect r = controllo(s, "PictureDentro", i)->geometry();
            QVERIFY2(controllo(s, "PictureDentro", i)->parentWidget() == campo && campo->rect().contains(r), qPrintable(QString::number(i)));
            QVERIFY2(aSinistra.isEmpty() || r.left() > campo->findChild<QWidget*>(aSinistra)->geometry().right(), qPrintable(QString::number(i)));
            QVERIFY2(aDestra.isEmpty() || r.right() < campo->findChild<QWidget*>(aDestra)->geometry().left(), qPrintable(QString::number(i)));
        }
    }

    // Wrong on every pair, then right on each pair in turn; the label adds a line per pair.
    void giudizio_data()
    {
        QTest::addColumn<RigaGiudizio>("riga");
        const QString g = "A DESTRA DELLA RIGA GIALLA.\r\n", G = "A SINISTRA DELLA RIGA GIALLA.\r\n";
        const QString v = "A DESTRA DELLA RIGA VERDE.\r\n", V = "A SINISTRA DELLA RIGA VERDE.\r\n";
        const QString c1 = "Command1", c3 = "Command3", c4 = "Command4", c5 = "Command5";
        QTest::newRow("1: 1, then 1 again") << RigaGiudizio{int(Id::FormDentroFuori1), 1, QStringList{c1}, QStringList{c3}, QStringList{"DESTRA"}, 1};
        QTest::newRow("1: 15") << RigaGiudizio{int(Id::FormDentroFuori1), 15, QStringList{c1}, QStringList{c3}, QStringList{"DESTRA"}, 16};
        QTest::newRow("1: 16") << RigaGiudizio{int(Id::FormDentroFuori1), 16, QStringList{c3}, QStringList{c1}, QStringList{"SINISTRA"}, 15};
        QTest::newRow("1: 30, then 30 again") << RigaGiudizio{int(Id::FormDentroFuori1), 30, QStringList{c3}, QStringList{c1}, QStringList{"SINISTRA"}, 30};
        QTest::newRow("2: 1 yellow first, then 1") << RigaGiudizio{int(Id::Form10), 1, QStringList{c1, c4}, QStringList{c3, c5}, QStringList{g, g + v}, 1};
        QTest::newRow("2: 15 green first") << RigaGiudizio{int(Id::Form10), 15, QStringList{c4, c1}, QStringList{c5, c3}, QStringList{v, v + g}, 16};
        QTest::newRow("2: 16 green first") << RigaGiudizio{int(Id::Form10), 16, QStringList{c5, c1}, QStringList{c4, c3}, QStringList{V, V + g}, 30};
        QTest::newRow("2: 30 yellow first") << RigaGiudizio{int(Id::Form10), 30, QStringList{c1, c5}, QStringList{c3, c4}, QStringList{g, g + V}, 31};
        QTest::newRow("2: 31 green first") << RigaGiudizio{int(Id::Form10), 31, QStringList{c5, c3}, QStringList{c4, c1}, QStringList{V, V + G}, 31};
        QTest::newRow("2: 45 yellow first") << RigaGiudizio{int(Id::Form10), 45, QStringList{c3, c5}, QStringList{c1, c4}, QStringList{G, G + V}, 2};
    }
    void giudizio()
    {
        QFETCH(RigaGiudizio, riga);
        const auto& [id, animale, giuste, sbagliate, righe, dopo] = riga;
        Ambiente a;
        a.copione({estrai(animale - 1, animali(Id(id)))});
        for (int k = 0; k < giuste.size(); ++k)
            a.copione({0.0});  // the right-answer sound
        a.copione({estrai(dopo - 1, animali(Id(id)))});
        Schermata& s = apri(Id(id));
        QCOMPARE(mostrati(s, "PictureDentro"), QList<int>{animale});
        for (const QString& b : sbagliate)
            clicca(pulsante(s, b));
        QCOMPARE(a.lettore.nomi(), QStringList(sbagliate.size(), QString("no.wav")));
        QCOMPARE(etichetta(s, "Label3")->testo(), QString());
        for (int k = 0; k < giuste.size(); ++k) {
            clicca(pulsante(s, giuste[k]));
            QCOMPARE(etichetta(s, "Label3")->testo(), righe[k]);
            // A pair answered right closes; "avanti" waits for the other pair.
            QVERIFY(!pulsante(s, giuste[k])->isEnabled() && !pulsante(s, sbagliate[k])->isEnabled());
            QCOMPARE(pulsante(s, "Command2")->isEnabled(), k + 1 == giuste.size());
        }
        QCOMPARE(a.lettore.nomi().mid(sbagliate.size()).count("si1.wav"), giuste.size());
        clicca(pulsante(s, "Command2"));
        QCOMPARE(mostrati(s, "PictureDentro"), QList<int>{dopo});
        QCOMPARE(etichetta(s, "Label3")->testo(), QString());
        QCOMPARE(a.casuale.consumati(), 2 + int(giuste.size()));
    }
};

BUSSOLINO_TEST_MAIN(TestRighe)
#include "test_righe.moc"
