// "Il detective" 1 to 3 played through real clicks: six different figures, one description.
#include "support/Aiuto.h"

#include "services/Figure.h"
#include "services/Modulo1.h"
#include "framework/Schermata.h"

#include <QDir>
#include <QSet>

using Schermate::Id;

namespace {
const QStringList Frammenti = {{}, "APERTO VERSO L'ALTO", "VERSO L'ESTERNO", "IN ALTO", "IN BASSO"};

// The value r that makes Int(r * k) + 1 give n.
double Per(int n, int k) { return (n - 0.5) / k; }

// The draws of one exercise: colour, six attempts 1-28, on Form9 the set, the target.
QList<double> Estrazioni(const QList<int>& tentativi, int bersaglio, int insieme = -1)
{
    QList<double> r{0.5};
    for (int n : tentativi)
        r << Per(n, 28);
    if (insieme >= 0)
        r << (insieme + 0.5) / 2;
    r << (bersaglio + 0.5) / 6;
    return r;
}

void Aggiungi(Ambiente& a, const QList<double>& valori)
{
    for (double r : valori)
        a.casuale.aggiungi({r});
}

QList<int> Mostrate(Schermata& f)
{
    QList<int> n;
    for (int i = 0; i < 6; ++i)
        n << NumeroDaImmagine(f.immagine("Image1", i)->immagine());
    return n;
}

// Whether the description on the screen fits pose `posa`, read word by word.
bool Descrive(const QString& testo, int posa)
{
    const QStringList righe = testo.split("\r\n");
    return righe.size() == 6 && righe[1].isEmpty() && righe[3].isEmpty() && righe[5].isEmpty()
           && righe[0] == "HA IL BRACCIO DESTRO " + Frammenti[Modulo1::BraccioDestro(posa)] + '.'
           && righe[2] == "HA IL BRACCIO SINISTRO " + Frammenti[Modulo1::BraccioSinistro(posa)] + '.'
           && righe[4] == (Modulo1::GambeUnite(posa) ? "HA LE GAMBE UNITE." : "HA LE GAMBE DIVARICATE.");
}

bool FigureAbilitate(Schermata& f, bool attese)
{
    for (int i = 0; i < 6; ++i)
        if (f.controllo("Image1", i)->isEnabled() != attese)
            return false;
    return true;
}
}  // namespace

class TestDetective : public QObject {
    Q_OBJECT
private slots:
    // Repeated numbers are drawn again, one draw per attempt; the set step keeps one view.
    void seiFigureDiverse_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("insieme");
        QTest::addColumn<int>("aggiunta");
        QTest::newRow("Form7 from behind") << int(Id::Form7) << -1 << 28;
        QTest::newRow("Form8 facing") << int(Id::Form8) << -1 << 0;
        QTest::newRow("Form9 drawn facing") << int(Id::Form9) << 0 << 0;
        QTest::newRow("Form9 drawn behind") << int(Id::Form9) << 1 << 28;
    }
    void seiFigureDiverse()
    {
        QFETCH(int, schermo);
        QFETCH(int, insieme);
        QFETCH(int, aggiunta);
        Ambiente a;
        const QList<int> tentativi{28, 28, 1, 28, 1, 9, 9, 1, 17, 9, 2, 3};
        Aggiungi(a, Estrazioni(tentativi, 2, insieme));
        Schermata& f = Apri(Id(schermo));
        QCOMPARE(a.casuale.consumati(), 1 + int(tentativi.size()) + (insieme >= 0) + 1);
        QList<int> attese{28, 1, 9, 17, 2, 3};
        for (int& n : attese)
            n += aggiunta;
        QCOMPARE(Mostrate(f), attese);
        QVERIFY(Descrive(f.etichetta("Label5")->testo(), attese[2]));
    }

    // The description of the target to the character; bottom-left Image1(2) is a target too.
    void descrizione_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("bersaglio");
        QTest::addColumn<QString>("testo");
        QTest::newRow("pose 6") << int(Id::Form8) << 0
                                << "HA IL BRACCIO DESTRO APERTO VERSO L'ALTO.\r\n\r\n"
                                   "HA IL BRACCIO SINISTRO VERSO L'ESTERNO.\r\n\r\n"
                                   "HA LE GAMBE DIVARICATE.\r\n";
        QTest::newRow("pose 34") << int(Id::Form7) << 0
                                 << "HA IL BRACCIO DESTRO VERSO L'ESTERNO.\r\n\r\n"
                                    "HA IL BRACCIO SINISTRO APERTO VERSO L'ALTO.\r\n\r\n"
                                    "HA LE GAMBE DIVARICATE.\r\n";
        QTest::newRow("pose 28 bottom left") << int(Id::Form8) << 2
                                             << "HA IL BRACCIO DESTRO IN BASSO.\r\n\r\n"
                                                "HA IL BRACCIO SINISTRO IN ALTO.\r\n\r\n"
                                                "HA LE GAMBE UNITE.\r\n";
    }
    void descrizione()
    {
        QFETCH(int, schermo);
        QFETCH(int, bersaglio);
        QFETCH(QString, testo);
        Ambiente a;
        Aggiungi(a, Estrazioni({6, 1, 28, 3, 7, 8}, bersaglio));
        Schermata& f = Apri(Id(schermo));
        QCOMPARE(f.etichetta("Label5")->testo(), testo);
        // Every other picture is wrong; the target is right.
        for (int i = 0; i < 6; ++i)
            if (i != bersaglio)
                Clicca(f.immagine("Image1", i));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 5"));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString("0"));
        Clicca(f.immagine("Image1", bersaglio));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
    }

    void dueSbagliatePoiGiustaEAvanti()
    {
        Ambiente a;
        a.casuale.aggiungi({0.0});                          // light pink
        Aggiungi(a, Estrazioni({1, 2, 3, 4, 5, 6}, 4).mid(1));
        a.casuale.aggiungi({0.0});                          // right-answer sound si1
        a.casuale.aggiungi({16.5 / 18});                    // blue
        Aggiungi(a, Estrazioni({10, 11, 12, 13, 14, 15}, 5).mid(1));
        Schermata& f = Apri(Id::Form8);
        QCOMPARE(f.sfondo(), 0xC0C0FFu);
        QVERIFY(FigureAbilitate(f, true));
        // "avanti" does nothing before the first right answer.
        QVERIFY(!f.pulsante("Command2")->isEnabled());
        QTest::mouseClick(f.pulsante("Command2"), Qt::LeftButton);
        QCOMPARE(a.casuale.consumati(), 8);

        Clicca(f.immagine("Image1", 1));
        Clicca(f.immagine("Image1", 1));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 2"));
        QVERIFY(FigureAbilitate(f, true));
        QVERIFY(!f.pulsante("Command2")->isEnabled());
        Clicca(f.immagine("Image1", 4));
        QCOMPARE(a.lettore.nomi(), (QStringList{"no.wav", "no.wav", "si1.wav"}));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 2"));
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        QVERIFY(FigureAbilitate(f, false));
        QVERIFY(f.pulsante("Command2")->isEnabled());
        // Answered: the pictures no longer react.
        QTest::mouseClick(f.immagine("Image1", 0), Qt::LeftButton);
        QCOMPARE(a.lettore.suonati.size(), 3);

        Clicca(f.pulsante("Command2"));
        QVERIFY(!f.pulsante("Command2")->isEnabled());
        QVERIFY(FigureAbilitate(f, true));
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        QCOMPARE(f.sfondo(), 0xFF0000u);
        QCOMPARE(Mostrate(f), (QList<int>{10, 11, 12, 13, 14, 15}));
        QVERIFY(Descrive(f.etichetta("Label5")->testo(), 15));
        QCOMPARE(a.casuale.rimasti(), 0);
    }

    // Two rows of the pose table hold the same pose; when both are shown, the description
    // fits both pictures and either is a right answer. Any other picture stays wrong.
    void posaGemella_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::addColumn<int>("insieme");
        QTest::addColumn<int>("bersaglio");
        QTest::addColumn<int>("gemella");
        // Six attempts 4, 9, 5, 20, 1, 12: the twins stand at indexes 0 and 2.
        QTest::newRow("Form8 described 4, click 5") << int(Id::Form8) << -1 << 0 << 2;
        QTest::newRow("Form8 described 5, click 4") << int(Id::Form8) << -1 << 2 << 0;
        QTest::newRow("Form7 described 32, click 33") << int(Id::Form7) << -1 << 0 << 2;
        QTest::newRow("Form9 described 33, click 32") << int(Id::Form9) << 1 << 2 << 0;
        QTest::newRow("Form9 described 4, click 5") << int(Id::Form9) << 0 << 0 << 2;
    }
    void posaGemella()
    {
        QFETCH(int, schermo);
        QFETCH(int, insieme);
        QFETCH(int, bersaglio);
        QFETCH(int, gemella);
        Ambiente a;
        Aggiungi(a, Estrazioni({4, 9, 5, 20, 1, 12}, bersaglio, insieme));
        Schermata& f = Apri(Id(schermo));
        const QList<int> pose = Mostrate(f);
        QVERIFY(Descrive(f.etichetta("Label5")->testo(), pose[gemella]));

        Clicca(f.immagine("Image1", 4));  // pose 1 or 29: both arms alike too, yet not the one described
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 1"));
        Clicca(f.immagine("Image1", gemella));
        QCOMPARE(a.lettore.nomi().size(), 2);
        QVERIFY(a.lettore.nomi().last().startsWith("si"));
        QCOMPARE(f.etichetta("EtichettaEsatti")->testo(), QString(" 1"));
        QCOMPARE(f.etichetta("EtichettaErrati")->testo(), QString(" 1"));
        QVERIFY(f.immagine("ComandoIconaSi")->isVisible());
        QVERIFY(FigureAbilitate(f, false));
        QVERIFY(f.pulsante("Command2")->isEnabled());
    }

    // Many exercises on each screen, each solved by the picture the description fits.
    void moltiEsercizi_data()
    {
        QTest::addColumn<int>("schermo");
        QTest::newRow("Form7") << int(Id::Form7);
        QTest::newRow("Form8") << int(Id::Form8);
        QTest::newRow("Form9") << int(Id::Form9);
    }
    void moltiEsercizi()
    {
        QFETCH(int, schermo);
        Ambiente a;  // no scripted values: the Copione's own generator
        Schermata& f = Apri(Id(schermo));
        const int volte = 900;
        int daDietro = 0;
        QList<int> bersagli(6, 0);
        for (int e = 0; e < volte; ++e) {
            const QList<int> pose = Mostrate(f);
            QCOMPARE(QSet<int>(pose.begin(), pose.end()).size(), 6);
            const bool dietro = pose[0] > 28;
            for (int n : pose)
                QVERIFY2(n >= 1 && n <= 56 && (n > 28) == dietro, qPrintable(QString::number(n)));
            daDietro += dietro;

            QList<int> adatte;
            for (int i = 0; i < 6; ++i)
                if (Descrive(f.etichetta("Label5")->testo(), pose[i]))
                    adatte << i;
            QVERIFY(adatte.size() == 1 || adatte.size() == 2);
            if (adatte.size() == 1)
                ++bersagli[adatte[0]];
            Clicca(f.immagine("Image1", adatte.last()));
            QVERIFY(a.lettore.nomi().last().startsWith("si"));
            Clicca(f.pulsante("Command2"));
        }
        QCOMPARE(a.lettore.suonati.size(), volte);
        // Four standard deviations, around a half and around a sixth.
        if (schermo == int(Id::Form9))
            QVERIFY2(qAbs(daDietro - volte / 2) < 60, qPrintable(QString::number(daDietro)));
        else
            QCOMPARE(daDietro, schermo == int(Id::Form7) ? volte : 0);
        int contati = 0;
        for (int b : bersagli)
            contati += b;
        for (int b : bersagli)
            QVERIFY2(qAbs(b - contati / 6) < 45, qPrintable(QString::number(b)));
    }

    // Every picture comes through the one cached loader: once read, it is shown again
    // without touching the disk.
    void figureLetteUnaVolta()
    {
        Ambiente a;
        Aggiungi(a, Estrazioni({1, 2, 3, 4, 5, 6}, 0));
        a.casuale.aggiungi({0.0});
        Aggiungi(a, Estrazioni({6, 5, 4, 3, 2, 1}, 0));
        Schermata& f = Apri(Id::Form8);
        QVERIFY(QDir(a.cartella.path() + "/gif").removeRecursively());
        Clicca(f.immagine("Image1", 0));
        Clicca(f.pulsante("Command2"));
        QCOMPARE(Mostrate(f), (QList<int>{6, 5, 4, 3, 2, 1}));
    }
};

BUSSOLINO_TEST_MAIN(TestDetective)
#include "test_detective.moc"
