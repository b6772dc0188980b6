// "Vero e falso" 1 to 3 played through real clicks: pose ranges, statements, judging.
#include "support/Aiuto.h"

#include "services/Modulo1.h"
#include "framework/Schermata.h"

#include <QSet>

using Schermate::Id;

namespace {
const QString Destro = QStringLiteral("HO IL BRACCIO DESTRO ");
const QString Sinistro = QStringLiteral("HO IL BRACCIO SINISTRO ");
const QStringList Frammenti = {{}, "APERTO VERSO L'ALTO", "VERSO L'ESTERNO", "IN ALTO", "IN BASSO"};

// The value r that makes Int(r * k) + 1 give n.
double Per(int n, int k) { return (n - 0.5) / k; }

// Whether a statement is true of pose `posa`, read from its words and the pose table.
bool Vera(const QString& frase, int posa)
{
    const bool destro = frase.startsWith(Destro);
    const QString frammento = frase.mid((destro ? Destro : Sinistro).size());
    const int codice = destro ? Modulo1::BraccioDestro(posa) : Modulo1::BraccioSinistro(posa);
    return frammento == Frammenti[codice];
}
}  // namespace

class TestVeroFalso : public QObject {
    Q_OBJECT
private slots:
    // Poses with both arms alike are drawn and thrown away, one draw per attempt.
    void intervalloEScarti_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("quante");
        QTest::addColumn<QList<int>>("tentativi");
        QTest::addColumn<int>("posa");
        QTest::newRow("Form5 rows 1-5 then 6") << int(Id::Form5) << 28 << QList<int>{1, 2, 3, 4, 5, 6} << 6;
        QTest::newRow("Form5 top row") << int(Id::Form5) << 28 << QList<int>{28} << 28;
        QTest::newRow("Form4 rows 29-33 then 34") << int(Id::Form4) << 28 << QList<int>{5, 4, 3, 2, 1, 6} << 34;
        QTest::newRow("Form4 top row") << int(Id::Form4) << 28 << QList<int>{28} << 56;
        QTest::newRow("Form6 both halves") << int(Id::Form6) << 56 << QList<int>{29, 30, 31, 32, 33, 1, 5, 56} << 56;
        QTest::newRow("Form6 34") << int(Id::Form6) << 56 << QList<int>{33, 34} << 34;
    }
    void intervalloEScarti()
    {
        QFETCH(int, schermo);
        QFETCH(int, quante);
        QFETCH(QList<int>, tentativi);
        QFETCH(int, posa);
        Ambiente a;
        a.casuale.aggiungi({0.5});
        for (int n : tentativi)
            a.casuale.aggiungi({Per(n, quante)});
        a.casuale.aggiungi({0.75, 0.25});  // right arm, true
        Schermata& f = Apri(Id(schermo));
        QCOMPARE(a.casuale.consumati(), 1 + int(tentativi.size()) + 2);
        QCOMPARE(NumeroDaImmagine(f.immagine("Image1")->immagine()), posa);
        QCOMPARE(f.etichetta("Label5")->testo(), Destro + Frammenti[Modulo1::BraccioDestro(posa)]);
    }

    // Each statement of pose 6, and the true right-arm one of its back view 34: the other
    // button is wrong, the named one right.
    void frasiEGiudizio_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<double>("lato");
        QTest::addColumn<double>("falsa");
        QTest::addColumn<QString>("frase");
        QTest::addColumn<bool>("vera");
        QTest::newRow("6 right true") << int(Id::Form5) << 0.75 << 0.25 << "HO IL BRACCIO DESTRO APERTO VERSO L'ALTO" << true;
        QTest::newRow("6 left true") << int(Id::Form5) << 0.25 << 0.25 << "HO IL BRACCIO SINISTRO VERSO L'ESTERNO" << true;
        QTest::newRow("6 right false") << int(Id::Form5) << 0.75 << 0.75 << "HO IL BRACCIO DESTRO VERSO L'ESTERNO" << false;
        QTest::newRow("6 left false") << int(Id::Form5) << 0.25 << 0.75 << "HO IL BRACCIO SINISTRO APERTO VERSO L'ALTO" << false;
        QTest::newRow("34 right true") << int(Id::Form4) << 0.75 << 0.25 << "HO IL BRACCIO DESTRO VERSO L'ESTERNO" << true;
        QTest::newRow("34 left false") << int(Id::Form4) << 0.25 << 0.75 << "HO IL BRACCIO SINISTRO VERSO L'ESTERNO" << false;
    }
    void frasiEGiudizio()
    {
        QFETCH(int, schermo);
        QFETCH(double, lato);
        QFETCH(double, falsa);
        QFETCH(QString, frase);
        QFETCH(bool, vera);
        Ambiente a;
        a.casuale.aggiungi({0.5, Per(6, 28), lato, falsa});
        Schermata& f = Apri(Id(schermo));
        QCOMPARE(f.etichetta("Label5")->testo(), frase);
        Controlli::Pulsante* giusto = f.pulsante(vera ? "Command1" : "Command3");
        Controlli::Pulsante* sbagliato = f.pulsante(vera ? "Command3" : "Command1");
        Clicca(sbagliato);
        QCOMPARE(a.lettore.nomi(), QStringList{"no.wav"});
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString("0"));
        Clicca(giusto);
        QCOMPARE(a.lettore.nomi().size(), 2);
        QVERIFY(a.lettore.nomi().last().startsWith("si"));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
    }

    void dueSbagliatePoiGiustaEAvanti()
    {
        Ambiente a;
        a.casuale.aggiungi({0.0, Per(6, 28), 0.75, 0.25});  // light pink; pose 6, right arm, true
        a.casuale.aggiungi({0.0});                          // right-answer sound si1
        a.casuale.aggiungi({16.5 / 18, Per(20, 28), 0.25, 0.75});  // blue; pose 20, left arm, false
        Schermata& f = Apri(Id::Form5);
        QCOMPARE(f.sfondo(), 0xC0C0FFu);
        QVERIFY(f.pulsante("Command1")->isEnabled());
        QVERIFY(f.pulsante("Command3")->isEnabled());
        // "avanti" does nothing before the first right answer.
        QVERIFY(!f.pulsante("Command2")->isEnabled());
        QTest::mouseClick(f.pulsante("Command2"), Qt::LeftButton);
        QCOMPARE(a.casuale.consumati(), 4);

        Clicca(f.pulsante("Command3"));
        Clicca(f.pulsante("Command3"));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 2"));
        QVERIFY(f.pulsante("Command1")->isEnabled());
        QVERIFY(!f.pulsante("Command2")->isEnabled());
        Clicca(f.pulsante("Command1"));
        QCOMPARE(a.lettore.nomi(), (QStringList{"no.wav", "no.wav", "si1.wav"}));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 2"));
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        QVERIFY(!f.pulsante("Command1")->isEnabled());
        QVERIFY(!f.pulsante("Command3")->isEnabled());
        QVERIFY(f.pulsante("Command2")->isEnabled());

        Clicca(f.pulsante("Command2"));
        QVERIFY(!f.pulsante("Command2")->isEnabled());
        QVERIFY(f.pulsante("Command1")->isEnabled());
        QVERIFY(f.pulsante("Command3")->isEnabled());
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        QCOMPARE(f.sfondo(), 0xFF0000u);
        QCOMPARE(NumeroDaImmagine(f.immagine("Image1")->immagine()), 20);
        QCOMPARE(f.etichetta("Label5")->testo(), QString("HO IL BRACCIO SINISTRO VERSO L'ESTERNO"));
        QCOMPARE(a.casuale.rimasti(), 0);
    }

    // Many exercises on each screen, each answered "VERO" and, if that was wrong, "FALSO":
    // the judging agrees with what the statement says about the picture shown.
    void moltiEsercizi_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("ultimo");
        QTest::addColumn<int>("pose");
        QTest::newRow("Form4") << int(Id::Form4) << 34 << 56 << 23;
        QTest::newRow("Form5") << int(Id::Form5) << 6 << 28 << 23;
        QTest::newRow("Form6") << int(Id::Form6) << 6 << 56 << 46;
    }
    void moltiEsercizi()
    {
        QFETCH(int, schermo);
        QFETCH(int, primo);
        QFETCH(int, ultimo);
        QFETCH(int, pose);
        Ambiente a;  // no scripted values: the Copione's own generator
        Schermata& f = Apri(Id(schermo));
        const int volte = 800;
        int vere = 0, destre = 0, destreVere = 0;
        QSet<int> viste;
        for (int i = 0; i < volte; ++i) {
            const int posa = NumeroDaImmagine(f.immagine("Image1")->immagine());
            QVERIFY2(posa >= primo && posa <= ultimo, qPrintable(QString::number(posa)));
            QVERIFY(Modulo1::BraccioDestro(posa) != Modulo1::BraccioSinistro(posa));
            viste << posa;
            const QString frase = f.etichetta("Label5")->testo();
            QVERIFY2(frase.startsWith(Destro) || frase.startsWith(Sinistro), qPrintable(frase));
            const bool vera = Vera(frase, posa);
            const bool destra = frase.startsWith(Destro);
            vere += vera;
            destre += destra;
            destreVere += vera && destra;

            const int prima = a.lettore.suonati.size();
            Clicca(f.pulsante("Command1"));
            if (!vera) {
                QCOMPARE(a.lettore.nomi().last(), QString("no.wav"));
                Clicca(f.pulsante("Command3"));
            }
            QCOMPARE(a.lettore.suonati.size(), prima + (vera ? 1 : 2));
            QVERIFY(a.lettore.nomi().last().startsWith("si"));
            Clicca(f.pulsante("Command2"));
        }
        QCOMPARE(viste.size(), pose);
        // Four standard deviations around a half and a quarter.
        QVERIFY2(qAbs(vere - volte / 2) < 60, qPrintable(QString::number(vere)));
        QVERIFY2(qAbs(destre - volte / 2) < 60, qPrintable(QString::number(destre)));
        QVERIFY2(qAbs(destreVere - volte / 4) < 50, qPrintable(QString::number(destreVere)));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), ' ' + QString::number(volte));
    }
};

BUSSOLINO_TEST_MAIN(TestVeroFalso)
#include "test_verofalso.moc"
