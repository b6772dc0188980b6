// "Il detective" 1 to 3: six different figures all from one view, a description of one of them,
// and the picture it fits judged right, its twin pose too.
#include "support/Aiuto.h"

#include "services/Modulo1.h"

#include <QSet>
#include <numeric>

namespace {
const QStringList Frammenti = {{}, "APERTO VERSO L'ALTO", "VERSO L'ESTERNO", "IN ALTO", "IN BASSO"};

// Colour, the attempts at six figures (1-28), on "Il detective 3" the view, the described one.
QList<double> copione(const QList<int>& tentativi, int descritta, int vista = -1)
{
    QList<double> r{0.5};
    for (int n : tentativi)
        r << estrai(n - 1, 28);
    if (vista >= 0)
        r << estrai(vista, 2);
    return r << estrai(descritta, 6);
}

QList<int> pose(Schermata& s)
{
    QList<int> n;
    for (int i = 0; i < 6; ++i)
        n << posaMostrata(immagine(s, "Image1", i)->immagine());
    return n;
}

QString descrizione(int n)
{
    using namespace Modulo1;
    return "HA IL BRACCIO DESTRO " + Frammenti[BraccioDestro(n)] + ".\r\n\r\nHA IL BRACCIO SINISTRO "
           + Frammenti[BraccioSinistro(n)] + ".\r\n\r\n" + (GambeUnite(n) ? "HA LE GAMBE UNITE." : "HA LE GAMBE DIVARICATE.") + "\r\n";
}
}  // namespace

// vista: the draw of "Il detective 3", 1 from behind; descritta: the picture described.
struct RigaFigureEDescrizione { int id, vista, descritta; QList<int> attese; QString testo; };
Q_DECLARE_METATYPE(RigaFigureEDescrizione)

struct RigaPosaGemella { int id, vista, descritta, gemella; };
Q_DECLARE_METATYPE(RigaPosaGemella)

class TestDetective : public QObject {
    Q_OBJECT
private slots:
    // A number already drawn is drawn again, one draw per attempt; the view is one for all six.
    void figureEDescrizione_data()
    {
        QTest::addColumn<RigaFigureEDescrizione>("riga");
        const QString p34 = "HA IL BRACCIO DESTRO VERSO L'ESTERNO.\r\n\r\nHA IL BRACCIO SINISTRO APERTO VERSO L'ALTO.\r\n\r\nHA LE GAMBE DIVARICATE.\r\n";
        QTest::newRow("1 from behind, 34 described") << RigaFigureEDescrizione{int(Id::Form7), -1, 0, QList<int>{34, 29, 56, 37, 30, 31}, p34};
        QTest::newRow("2 facing, 28 bottom left") << RigaFigureEDescrizione{int(Id::Form8), -1, 2, QList<int>{6, 1, 28, 9, 2, 3}
                                                 , "HA IL BRACCIO DESTRO IN BASSO.\r\n\r\nHA IL BRACCIO SINISTRO IN ALTO.\r\n\r\nHA LE GAMBE UNITE.\r\n"};
        QTest::newRow("3 drawn facing") << RigaFigureEDescrizione{int(Id::Form9), 0, 0, QList<int>{6, 1, 28, 9, 2, 3}
                                       , "HA IL BRACCIO DESTRO APERTO VERSO L'ALTO.\r\n\r\nHA IL BRACCIO SINISTRO VERSO L'ESTERNO.\r\n\r\nHA LE GAMBE DIVARICATE.\r\n"};
        QTest::newRow("3 drawn from behind") << RigaFigureEDescrizione{int(Id::Form9), 1, 0, QList<int>{34, 29, 56, 37, 30, 31}, p34};
    }
    void figureEDescrizione()
    {
        QFETCH(RigaFigureEDescrizione, riga);
        const auto& [id, vista, descritta, attese, testo] = riga;
        Ambiente a;
        const QList<int> tentativi{6, 6, 1, 28, 1, 9, 9, 6, 2, 3};
        for (double r : copione(tentativi, descritta, vista))
            a.copione({r});
        Schermata& s = apri(Id(id));
        QCOMPARE(a.casuale.consumati(), 2 + int(tentativi.size()) + (vista >= 0));
        QCOMPARE(pose(s), attese);
        QCOMPARE(etichetta(s, "Label5")->testo(), testo);
        for (int i = 0; i < 6; ++i)
            if (i != descritta)
                clicca(immagine(s, "Image1", i));
        clicca(immagine(s, "Image1", descritta));
        QCOMPARE(a.lettore.nomi().count("no.wav"), 5);
        QVERIFY(a.lettore.nomi().last().startsWith("si"));
    }

    // Rows 4 and 5 (32 and 33) hold one pose: when both show, either fits and is right.
    void posaGemella_data()
    {
        QTest::addColumn<RigaPosaGemella>("riga");
        QTest::newRow("2: 4 described, 5 clicked") << RigaPosaGemella{int(Id::Form8), -1, 0, 2};
        QTest::newRow("2: 5 described, 4 clicked") << RigaPosaGemella{int(Id::Form8), -1, 2, 0};
        QTest::newRow("1: 32 described, 33 clicked") << RigaPosaGemella{int(Id::Form7), -1, 0, 2};
        QTest::newRow("3: 33 described, 32 clicked") << RigaPosaGemella{int(Id::Form9), 1, 2, 0};
    }
    void posaGemella()
    {
        QFETCH(RigaPosaGemella, riga);
        const auto& [id, vista, descritta, gemella] = riga;
        Ambiente a;
        for (double r : copione({4, 9, 5, 20, 1, 12}, descritta, vista))
            a.copione({r});
        Schermata& s = apri(Id(id));
        QCOMPARE(etichetta(s, "Label5")->testo(), descrizione(pose(s)[gemella]));
        clicca(immagine(s, "Image1", 4));  // pose 1 or 29: both arms alike too, yet not the one described
        clicca(immagine(s, "Image1", gemella));
        QCOMPARE(a.lettore.nomi().size(), 2);
        QVERIFY(a.lettore.nomi()[0] == "no.wav" && a.lettore.nomi()[1].startsWith("si"));
    }

    // Many exercises from the program's own draws, each solved by the picture described.
    void moltiEsercizi_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("1") << int(Id::Form7);
        QTest::newRow("2") << int(Id::Form8);
        QTest::newRow("3") << int(Id::Form9);
    }
    void moltiEsercizi()
    {
        QFETCH(int, id);
        Ambiente a;
        Schermata& s = apri(Id(id));
        const int volte = 900;
        int daDietro = 0;
        QList<int> descritte(6, 0);
        for (int e = 0; e < volte; ++e) {
            const QList<int> p = pose(s);
            QCOMPARE(QSet<int>(p.begin(), p.end()).size(), 6);
            for (int n : p)
                QVERIFY2(n >= 1 && n <= 56 && (n > 28) == (p[0] > 28), qPrintable(QString::number(n)));
            daDietro += p[0] > 28;
            QList<int> adatte;
            for (int i = 0; i < 6; ++i)
                if (etichetta(s, "Label5")->testo() == descrizione(p[i]))
                    adatte << i;
            QVERIFY(adatte.size() == 1 || adatte.size() == 2);
            descritte[adatte[0]] += adatte.size() == 1;
            clicca(immagine(s, "Image1", adatte.last()));
            QVERIFY(a.lettore.nomi().last().startsWith("si"));
            clicca(pulsante(s, "Command2"));
        }
        QCOMPARE(a.lettore.suonati.size(), volte);
        // Four standard deviations, around a half and around a sixth.
        const int attesi = Id(id) == Id::Form7 ? volte : Id(id) == Id::Form8 ? 0 : volte / 2;
        QVERIFY2(qAbs(daDietro - attesi) < 60, qPrintable(QString::number(daDietro)));
        const int uniche = std::accumulate(descritte.begin(), descritte.end(), 0);
        for (int d : descritte)
            QVERIFY2(qAbs(d - uniche / 6) < 45, qPrintable(QString::number(d)));
    }
};

BUSSOLINO_TEST_MAIN(TestDetective)
#include "test_detective.moc"
