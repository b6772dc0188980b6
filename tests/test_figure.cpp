// The 56 figure pictures made by the build, read back as the program reads them and measured
// against the pose table: each arm where its code puts it, legs together or apart, face or
// back of the head.
#include "Tavolozza.h"
#include "app/Modulo1.h"

#include <QFile>
#include <QImage>
#include <QtTest>
#include <set>

namespace {

constexpr int Lato = 600;

QImage Figura(int n)
{
    const QString percorso = qEnvironmentVariable("BUSSOLINO_BUILD_DIR") + QStringLiteral("/gif/%1.gif").arg(n);
    return QImage(percorso).convertToFormat(QImage::Format_RGB32);
}

// Share of the pixels in `zona` that have exactly `colore`.
double Quota(const QImage& img, const QRect& zona, QRgb colore)
{
    int quanti = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            quanti += (img.pixel(x, y) & 0xffffff) == (colore & 0xffffff);
    return double(quanti) / (zona.width() * zona.height());
}

QRect Specchio(const QRect& r)
{
    return QRect(Lato - 1 - r.right(), r.top(), r.width(), r.height());
}

// Where each arm code puts the arm on the picture's right side (mirrored for the left):
// a stretch of sleeve away from the body, and the hand at the end. No sleeve box is
// touched by an arm held in any of the other three ways.
struct ZoneBraccio {
    QRect manica;
    QRect mano;
};
const ZoneBraccio ZonaDelCodice[5] = {
    {},
    {QRect(455, 205, 24, 23), QRect(505, 161, 17, 17)},  // 1: up and out
    {QRect(480, 262, 40, 21), QRect(548, 264, 17, 17)},  // 2: out sideways
    {QRect(398, 160, 25, 46), QRect(402, 118, 17, 17)},  // 3: straight up
    {QRect(414, 335, 19, 46), QRect(425, 408, 17, 17)},  // 4: down along the body
};

const char* NomeCodice(int codice)
{
    static const char* nomi[] = {"?", "up and out", "out sideways", "straight up", "down"};
    return nomi[codice];
}

// The picture's left arm is the figure's own right arm when it faces us, its left one from behind.
bool DiFronte(int n) { return n <= Modulo1::NumeroPose / 2; }
int BraccioASinistra(int n) { return DiFronte(n) ? Modulo1::BraccioDestro[n] : Modulo1::BraccioSinistro[n]; }
int BraccioADestra(int n) { return DiFronte(n) ? Modulo1::BraccioSinistro[n] : Modulo1::BraccioDestro[n]; }

// Legs: a band across the middle of the legs, and a box either side where spread legs stand.
const QRect InMezzo(250, 470, 101, 31);
const QRect FuoriDestra(385, 475, 31, 26);

// Head: the middle of the face between the eyes, the lower half of an eye, the mouth.
const QRect Viso(286, 145, 29, 50);
const QRect OcchioDestra(322, 172, 12, 10);
const QRect Bocca(288, 204, 25, 10);

}  // namespace

class TestFigure : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariableIsSet("BUSSOLINO_BUILD_DIR"));
        Modulo1::InizializzaTabella();
    }

    void ognuna_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= Modulo1::NumeroPose; ++n)
            QTest::addRow("figura %d", n) << n;
    }

    // Square, the program's size, and nothing but the flat colours, so scaling never bands.
    void ognuna()
    {
        QFETCH(int, n);
        const QImage img = Figura(n);
        QVERIFY2(!img.isNull(), "the GIF does not load");
        QCOMPARE(img.size(), QSize(Lato, Lato));
        const std::set<QRgb> ammessi(Tavolozza::Colori.begin(), Tavolozza::Colori.end());
        for (int y = 0; y < Lato; ++y)
            for (int x = 0; x < Lato; ++x)
                if (!ammessi.count(img.pixel(x, y)))
                    QFAIL(qPrintable(QString("pixel %1,%2 is #%3, not a palette colour").arg(x).arg(y).arg(img.pixel(x, y) & 0xffffff, 6, 16, QChar('0'))));
        for (QPoint angolo : {QPoint(0, 0), QPoint(Lato - 1, 0), QPoint(0, Lato - 1), QPoint(Lato - 1, Lato - 1)})
            QCOMPARE(img.pixel(angolo), Tavolozza::Sfondo);
    }

    void braccia_data() { ognuna_data(); }

    void braccia()
    {
        QFETCH(int, n);
        const QImage img = Figura(n);
        QVERIFY(!img.isNull());
        for (bool destra : {false, true}) {
            const int atteso = destra ? BraccioADestra(n) : BraccioASinistra(n);
            QVERIFY2(atteso >= 1 && atteso <= 4, "arm code out of the table's range");
            const char* lato = destra ? "right" : "left";
            for (int codice = 1; codice <= 4; ++codice) {
                QRect manica = ZonaDelCodice[codice].manica;
                if (!destra)
                    manica = Specchio(manica);
                const double quota = Quota(img, manica, Tavolozza::Maniche);
                if (codice == atteso)
                    QVERIFY2(quota > 0.95, qPrintable(QString("picture's %1 arm should be %2; sleeve covers only %3 of its place")
                                                          .arg(lato, NomeCodice(codice)).arg(quota)));
                else
                    QVERIFY2(quota < 0.01, qPrintable(QString("picture's %1 arm should be %2, yet there is sleeve where %3 would be")
                                                          .arg(lato, NomeCodice(atteso), NomeCodice(codice))));
            }
            QRect mano = ZonaDelCodice[atteso].mano;
            if (!destra)
                mano = Specchio(mano);
            QVERIFY2(Quota(img, mano, Tavolozza::Pelle) > 0.95,
                     qPrintable(QString("no hand at the end of the picture's %1 arm").arg(lato)));
        }
    }

    void gambe_data() { ognuna_data(); }

    void gambe()
    {
        QFETCH(int, n);
        const QImage img = Figura(n);
        QVERIFY(!img.isNull());
        const double mezzo = Quota(img, InMezzo, Tavolozza::Pantaloni);
        const double fuori = std::min(Quota(img, FuoriDestra, Tavolozza::Pantaloni),
                                      Quota(img, Specchio(FuoriDestra), Tavolozza::Pantaloni));
        if (Modulo1::GambeUnite[n]) {
            QVERIFY2(mezzo > 0.85, "legs together should fill the middle");
            QVERIFY2(Quota(img, FuoriDestra, Tavolozza::Sfondo) > 0.99 && Quota(img, Specchio(FuoriDestra), Tavolozza::Sfondo) > 0.99,
                     "legs together, yet there is something where spread legs would stand");
        } else {
            QVERIFY2(fuori > 0.95, "legs apart should stand out on both sides");
            QVERIFY2(Quota(img, InMezzo, Tavolozza::Sfondo) > 0.99, "legs apart should leave the middle empty");
        }
    }

    void vista_data() { ognuna_data(); }

    void vista()
    {
        QFETCH(int, n);
        const QImage img = Figura(n);
        QVERIFY(!img.isNull());
        if (DiFronte(n)) {
            QVERIFY2(Quota(img, Viso, Tavolozza::Pelle) > 0.95, "facing, but no face");
            QVERIFY2(Quota(img, OcchioDestra, Tavolozza::Contorno) > 0.9 && Quota(img, Specchio(OcchioDestra), Tavolozza::Contorno) > 0.9,
                     "facing, but the eyes are missing");
            QVERIFY2(Quota(img, Bocca, Tavolozza::Bocca) > 0.9, "facing, but no smile");
        } else {
            QCOMPARE(Quota(img, Viso, Tavolozza::Pelle), 0.0);
            QVERIFY2(Quota(img, Viso, Tavolozza::Capelli) > 0.8, "from behind the head should be hair");
            QVERIFY2(Quota(img, OcchioDestra, Tavolozza::Capelli) > 0.9 && Quota(img, Specchio(OcchioDestra), Tavolozza::Capelli) > 0.9,
                     "from behind, but something where the eyes would be");
        }
    }

    void diSpalle_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= Modulo1::NumeroPose / 2; ++n)
            QTest::addRow("figure %d and %d", n, n + Modulo1::NumeroPose / 2) << n;
    }

    // Picture n + 28 is picture n seen from behind: the very same outline.
    void diSpalle()
    {
        QFETCH(int, n);
        const QImage davanti = Figura(n);
        const QImage dietro = Figura(n + Modulo1::NumeroPose / 2);
        QVERIFY(!davanti.isNull() && !dietro.isNull());
        int diversi = 0;
        int figura = 0;
        for (int y = 0; y < Lato; ++y)
            for (int x = 0; x < Lato; ++x) {
                const bool a = davanti.pixel(x, y) != Tavolozza::Sfondo;
                const bool b = dietro.pixel(x, y) != Tavolozza::Sfondo;
                figura += a || b;
                diversi += a != b;
            }
        QVERIFY2(diversi < figura / 200, qPrintable(QString("the outlines differ in %1 pixels").arg(diversi)));
    }
};

QTEST_GUILESS_MAIN(TestFigure)
#include "test_figure.moc"
