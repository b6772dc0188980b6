// Each exercise's rules without a window: the side that is right on a figure facing the child or turned
// away, the statements of "Vero e falso", the detective's figures, and the pairs of "A destra di......".
#include "support/Aiuto.h"

#include "exercises/Corpo.h"
#include "exercises/Detective.h"
#include "exercises/Righe.h"
#include "exercises/VeroFalso.h"

#include <set>

namespace {
std::set<int> daA(int da, int a, int poiDa = 1, int poiA = 0)
{
    std::set<int> s;
    while (da <= a || poiDa <= poiA)
        s.insert(da <= a ? da++ : poiDa++);
    return s;
}
}  // namespace

// figura: the one drawn, 1-28; lato: the side named (1 right) or "Alla mia...... 2"'s object.
struct RigaCorpo { Corpo::Tipo tipo; int figura, diFronte, lato, mostrata; QString frase; int giusta; };
struct RigaVeroFalso { int quante, aggiunta; QList<int> tentativi; int Lato, FraseFalsa, posa; QString frase; int giusta; };
struct RigaDescrizione { bool daDietro; int descritta; QList<int> giuste; QString testo; };
struct RigaVista { int quante, aggiunta; Detective::Insieme insieme; std::set<int> veroFalso, detective; };
// giuste: the right answers (places in risposte()), in the order answered; scritti: what stands under the field after each.
struct RigaRighe { bool due; int animale; QList<int> giuste; QStringList scritti; };

class TestRegole : public QObject {
    Q_OBJECT
private slots:
    void corpo_data()
    {
        QTest::addColumn<RigaCorpo>("riga");
        using T = Corpo::Tipo;
        const QString destro = "CLICCA SUL MIO LATO DESTRO", sinistro = "CLICCA SUL MIO LATO SINISTRO", e = "E' ALLA MIA";
        const QString destra = "IL MICETTO E' ALLA MIA DESTRA", sinistra = "IL MICETTO E' ALLA MIA SINISTRA";
        const int S = Corpo::Sinistra, D = Corpo::Destra, RS = Corpo::RispostaSinistra, RD = Corpo::RispostaDestra;
        // A figure facing the child has its own right side on the child's left.
        QTest::newRow("Su di me: facing, DESTRO") << RigaCorpo{T::SuDiMe, 5, 1, 1, 5, destro, S};
        QTest::newRow("Su di me: behind, DESTRO") << RigaCorpo{T::SuDiMe, 5, 0, 1, 33, destro, D};
        QTest::newRow("Su di me: facing, SINISTRO") << RigaCorpo{T::SuDiMe, 12, 1, 0, 12, sinistro, D};
        QTest::newRow("Su di me: behind, SINISTRO") << RigaCorpo{T::SuDiMe, 12, 0, 0, 40, sinistro, S};
        QTest::newRow("micetto: facing, DESTRA") << RigaCorpo{T::Micetto, 1, 1, 1, 1, destra, S};
        QTest::newRow("micetto: behind, DESTRA") << RigaCorpo{T::Micetto, 1, 0, 1, 29, destra, D};
        QTest::newRow("micetto: facing, SINISTRA") << RigaCorpo{T::Micetto, 28, 1, 0, 28, sinistra, D};
        QTest::newRow("micetto: behind, SINISTRA") << RigaCorpo{T::Micetto, 28, 0, 0, 56, sinistra, S};
        // Objects 0 to 4 stand on the child's left of the figure, 5 to 9 on the child's right.
        const int oggetti[][3] = {{0, RD, RS}, {4, RD, RS}, {5, RS, RD}, {9, RS, RD}};  // the object; right facing, from behind
        for (const auto& [oggetto, diFronte, daDietro] : oggetti) {
            QTest::addRow("object %d, facing", oggetto) << RigaCorpo{T::Oggetto, 7, 1, oggetto, 7, e, diFronte};
            QTest::addRow("object %d, behind", oggetto) << RigaCorpo{T::Oggetto, 7, 0, oggetto, 35, e, daDietro};
        }
    }
    void corpo()
    {
        QFETCH(RigaCorpo, riga);
        const auto& [tipo, figura, diFronte, lato, mostrata, frase, giusta] = riga;
        Casuale::Copione caso({estrai(figura - 1, 28), estrai(diFronte, 2), tipo == Corpo::Tipo::Oggetto ? estrai(lato, 10) : estrai(lato, 2)});
        Corpo c(tipo);
        c.GeneraEsercizio(caso);
        QCOMPARE(c.figura(), mostrata);
        QCOMPARE(c.frase(), frase);
        QVERIFY(c.giusta(giusta) && !c.giusta(1 - giusta));
    }

    // Pose 6 has its right arm open upwards, its left arm out; 34 the other way round. A false
    // statement names the other arm's position. Poses with both arms alike (1-5, 29-33) are drawn again.
    void veroFalso_data()
    {
        QTest::addColumn<RigaVeroFalso>("riga");
        const int V = VeroFalso::Vero, F = VeroFalso::Falso;
        QTest::newRow("2: 1-5, then 6 right, true") << RigaVeroFalso{28, 0, {1, 2, 3, 4, 5, 6}, 1, 0, 6, "HO IL BRACCIO DESTRO APERTO VERSO L'ALTO", V};
        QTest::newRow("2: 6 left, true") << RigaVeroFalso{28, 0, {6}, 0, 0, 6, "HO IL BRACCIO SINISTRO VERSO L'ESTERNO", V};
        QTest::newRow("2: 6 right, false") << RigaVeroFalso{28, 0, {6}, 1, 1, 6, "HO IL BRACCIO DESTRO VERSO L'ESTERNO", F};
        QTest::newRow("2: 6 left, false") << RigaVeroFalso{28, 0, {6}, 0, 1, 6, "HO IL BRACCIO SINISTRO APERTO VERSO L'ALTO", F};
        QTest::newRow("1: 29-33, then 34 right, true") << RigaVeroFalso{28, 28, {5, 4, 3, 2, 1, 6}, 1, 0, 34, "HO IL BRACCIO DESTRO VERSO L'ESTERNO", V};
        QTest::newRow("1: 34 left, false") << RigaVeroFalso{28, 28, {6}, 0, 1, 34, "HO IL BRACCIO SINISTRO VERSO L'ESTERNO", F};
        QTest::newRow("1: 56 right, true") << RigaVeroFalso{28, 28, {28}, 1, 0, 56, "HO IL BRACCIO DESTRO IN ALTO", V};
        QTest::newRow("3: 29, 33, 1, 5, then 28 left, false") << RigaVeroFalso{56, 0, {29, 33, 1, 5, 28}, 0, 1, 28, "HO IL BRACCIO SINISTRO IN BASSO", F};
    }
    void veroFalso()
    {
        QFETCH(RigaVeroFalso, riga);
        const auto& [quante, aggiunta, tentativi, Lato, FraseFalsa, posa, frase, giusta] = riga;
        Casuale::Copione caso;
        for (int n : tentativi)
            caso.aggiungi({estrai(n - 1, quante)});
        caso.aggiungi({estrai(Lato, 2), estrai(FraseFalsa, 2)});
        VeroFalso v(quante, aggiunta);
        v.GeneraEsercizio(caso);
        QCOMPARE(v.NumeroFigura, posa);
        QCOMPARE(v.frase(), frase);
        QVERIFY(v.giusta(giusta) && !v.giusta(1 - giusta));
    }

    // Six figures, each drawn again while it repeats one before it, the view, the one described.
    // Rows 4 and 5 (32 and 33) hold one pose: either fits. Pose 2 has the arms of 4, legs together.
    void descrizione_data()
    {
        QTest::addColumn<RigaDescrizione>("riga");
        const QString a = "HA IL BRACCIO DESTRO VERSO L'ESTERNO.\r\n\r\nHA IL BRACCIO SINISTRO VERSO L'ESTERNO.\r\n\r\nHA LE GAMBE DIVARICATE.\r\n";
        QTest::newRow("4, 5 fits too") << RigaDescrizione{false, 0, {0, 2}, a};
        QTest::newRow("5, 4 fits too") << RigaDescrizione{false, 2, {0, 2}, a};
        QTest::newRow("33, 32 fits too") << RigaDescrizione{true, 2, {0, 2}, a};
        QTest::newRow("2, legs together") << RigaDescrizione{false, 1, {1}, QString(a).replace("DIVARICATE", "UNITE")};
        QTest::newRow("28") << RigaDescrizione{false, 3, {3}, "HA IL BRACCIO DESTRO IN BASSO.\r\n\r\nHA IL BRACCIO SINISTRO IN ALTO.\r\n\r\nHA LE GAMBE UNITE.\r\n"};
        QTest::newRow("34") << RigaDescrizione{true, 5, {5}, "HA IL BRACCIO DESTRO VERSO L'ESTERNO.\r\n\r\nHA IL BRACCIO SINISTRO APERTO VERSO L'ALTO.\r\n\r\nHA LE GAMBE DIVARICATE.\r\n"};
    }
    void descrizione()
    {
        QFETCH(RigaDescrizione, riga);
        Casuale::Copione caso;
        for (int n : {4, 4, 2, 5, 2, 28, 1, 5, 6})
            caso.aggiungi({estrai(n - 1, 28)});
        caso.aggiungi({estrai(riga.daDietro, 2), estrai(riga.descritta, 6)});
        Detective d(Detective::Insieme::UnoDeiDue);
        d.GeneraEsercizio(caso);
        QVERIFY(d.NumeriFigure == (riga.daDietro ? std::array{32, 30, 33, 56, 29, 34} : std::array{4, 2, 5, 28, 1, 6}));
        QCOMPARE(d.descrizione(), riga.testo);
        QCOMPARE(d.giuste(), riga.giuste);
    }

    // Many exercises of each view: every pose of it shows, on "Vero e falso" none with both arms alike;
    // six different figures, right exactly when they fit the description, each place described alike.
    void viste_data()
    {
        QTest::addColumn<RigaVista>("riga");
        using I = Detective::Insieme;
        QTest::newRow("1: from behind") << RigaVista{28, 28, I::DaDietro, daA(34, 56), daA(29, 56)};
        QTest::newRow("2: facing") << RigaVista{28, 0, I::DiFronte, daA(6, 28), daA(1, 28)};
        QTest::newRow("3: either, about half each") << RigaVista{56, 0, I::UnoDeiDue, daA(6, 28, 34, 56), daA(1, 56)};
    }
    void viste()
    {
        QFETCH(RigaVista, riga);
        Casuale::Generatore caso(11);
        VeroFalso v(riga.quante, riga.aggiunta);
        Detective d(riga.insieme);
        const int volte = 3000;
        int daDietro = 0;
        QList<int> descritte(6, 0);
        std::set<int> veroFalso, detective;
        for (int e = 0; e < volte; ++e) {
            v.GeneraEsercizio(caso);
            veroFalso.insert(v.NumeroFigura);
            d.GeneraEsercizio(caso);
            const std::set<int> sei(d.NumeriFigure.begin(), d.NumeriFigure.end());
            QVERIFY(sei.size() == 6 && (*sei.begin() > 28 || *sei.rbegin() <= 28));
            detective.insert(sei.begin(), sei.end());
            daDietro += *sei.begin() > 28;
            ++descritte[d.FiguraGiusta];
            Detective altra = d;
            QList<int> adatte;
            for (altra.FiguraGiusta = 0; altra.FiguraGiusta < 6; ++altra.FiguraGiusta)
                if (altra.descrizione() == d.descrizione())
                    adatte << altra.FiguraGiusta;
            QCOMPARE(d.giuste(), adatte);
        }
        QVERIFY(veroFalso == riga.veroFalso && detective == riga.detective);
        // Four standard deviations around a half and around a sixth.
        if (riga.detective.size() == 56)
            QVERIFY2(qAbs(daDietro - volte / 2) < 110, qPrintable(QString::number(daDietro)));
        for (int n : descritte)
            QVERIFY2(qAbs(n - volte / 6) < 82, qPrintable(QString::number(n)));
    }

    // The animals at the edges of each stretch, their right answers given one pair after the other.
    void righe_data()
    {
        QTest::addColumn<RigaRighe>("riga");
        const QString g = "A DESTRA DELLA RIGA GIALLA.\r\n", G = "A SINISTRA DELLA RIGA GIALLA.\r\n", v = "A DESTRA DELLA RIGA VERDE.\r\n", V = "A SINISTRA DELLA RIGA VERDE.\r\n";
        QTest::newRow("1: 1") << RigaRighe{false, 1, {0}, {"DESTRA"}};
        QTest::newRow("1: 15") << RigaRighe{false, 15, {0}, {"DESTRA"}};
        QTest::newRow("1: 16") << RigaRighe{false, 16, {1}, {"SINISTRA"}};
        QTest::newRow("1: 30") << RigaRighe{false, 30, {1}, {"SINISTRA"}};
        QTest::newRow("2: 1, yellow first") << RigaRighe{true, 1, {0, 2}, {g, g + v}};
        QTest::newRow("2: 15, green first") << RigaRighe{true, 15, {2, 0}, {v, v + g}};
        QTest::newRow("2: 16, green first") << RigaRighe{true, 16, {3, 0}, {V, V + g}};
        QTest::newRow("2: 30, yellow first") << RigaRighe{true, 30, {0, 3}, {g, g + V}};
        QTest::newRow("2: 31, green first") << RigaRighe{true, 31, {3, 1}, {V, V + G}};
        QTest::newRow("2: 45, yellow first") << RigaRighe{true, 45, {1, 3}, {G, G + V}};
    }
    void righe()
    {
        QFETCH(RigaRighe, riga);
        const auto& [due, animale, giuste, scritti] = riga;
        Righe r = due ? Righe::dueRighe() : Righe::unaRiga();
        Casuale::Copione caso({estrai(animale - 1, due ? 45 : 30)});
        r.PreparaEsercizio(caso);
        QCOMPARE(r.Posizione, animale);
        for (int i = 0; i < int(r.risposte().size()); ++i)
            QCOMPARE(r.giusta(i), giuste.contains(i));
        for (int k = 0; k < giuste.size(); ++k) {
            const int coppia = r.risposte()[size_t(giuste[k])].coppia;
            QVERIFY(r.aperta(coppia));
            r.chiudi(giuste[k]);
            QVERIFY(!r.aperta(coppia));
            QCOMPARE(r.scritto(), scritti[k]);
            QCOMPARE(r.finito(), k + 1 == giuste.size());
        }
        // A new exercise opens every pair again, with nothing written.
        r.PreparaEsercizio(caso);
        QVERIFY(r.aperta(0) && r.aperta(r.numeroRighe() - 1) && !r.finito() && r.scritto().isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRegole)
#include "test_regole.moc"
