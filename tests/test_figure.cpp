// The 56 figure pictures made by the build, read back as the program reads them and measured
// against the pose table: each arm where its code puts it, legs together or apart, face or
// back of the head.
#include "Tavolozza.h"
#include "services/Modulo1.h"

#include <QImage>
#include <QtTest>
#include <set>

namespace {

constexpr int Lato = 600;
constexpr int Meta = Modulo1::NumeroPose / 2;

QImage Figura(int n)
{
    return QImage(qEnvironmentVariable("BUSSOLINO_BUILD_DIR") + QStringLiteral("/gif/%1.gif").arg(n))
        .convertToFormat(QImage::Format_RGB32);
}

// Share of the pixels in `zona` (mirrored to the picture's left if asked) that are `colore`.
double Quota(const QImage& img, QRect zona, QRgb colore, bool aSinistra = false)
{
    if (aSinistra)
        zona.moveLeft(Lato - 1 - zona.right());
    int quanti = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            quanti += img.pixel(x, y) == colore;
    return double(quanti) / (zona.width() * zona.height());
}

// Where each arm code puts the sleeve, away from the body, and the hand, on the picture's right
// side. No sleeve box is touched by an arm held in any of the other three ways.
const QRect Manica[5] = {{}, QRect(455, 205, 24, 23), QRect(480, 262, 40, 21), QRect(398, 160, 25, 46), QRect(414, 335, 19, 46)};
const QRect Mano[5] = {{}, QRect(505, 161, 17, 17), QRect(548, 264, 17, 17), QRect(402, 118, 17, 17), QRect(425, 408, 17, 17)};

// Legs: a band across the middle of the legs; a box where a spread leg stands.
const QRect InMezzo(250, 470, 101, 31);
const QRect Fuori(385, 475, 31, 26);
// Head: the face between the eyes, the lower half of an eye, the mouth.
const QRect Viso(286, 145, 29, 50);
const QRect Occhio(322, 172, 12, 10);
const QRect Bocca(288, 204, 25, 10);

}  // namespace

class TestFigure : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(qEnvironmentVariableIsSet("BUSSOLINO_BUILD_DIR"));
    }

    void posa_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= Modulo1::NumeroPose; ++n)
            QTest::addRow("figura %d", n) << n;
    }

    void posa()
    {
        QFETCH(int, n);
        const QImage img = Figura(n);
        QVERIFY2(!img.isNull(), "the GIF does not load");
        QCOMPARE(img.size(), QSize(Lato, Lato));

        // Nothing but the flat colours, so scaling never bands.
        const std::set<QRgb> ammessi(Tavolozza::Colori.begin(), Tavolozza::Colori.end());
        for (int y = 0; y < Lato; ++y)
            for (int x = 0; x < Lato; ++x)
                if (!ammessi.count(img.pixel(x, y)))
                    QFAIL(qPrintable(QString("pixel %1,%2 is off the palette").arg(x).arg(y)));

        // Facing, the figure's own right arm is on the picture's left; from behind, on its right.
        const bool diFronte = n <= Meta;
        for (bool sinistra : {true, false}) {
            const bool proprioDestro = sinistra == diFronte;
            const int atteso = proprioDestro ? Modulo1::BraccioDestro(n) : Modulo1::BraccioSinistro(n);
            QVERIFY(atteso >= 1 && atteso <= 4);
            for (int codice = 1; codice <= 4; ++codice) {
                const double quota = Quota(img, Manica[codice], Tavolozza::Maniche, sinistra);
                QVERIFY2(codice == atteso ? quota > 0.95 : quota < 0.01,
                         qPrintable(QString("picture's %1 arm: code %2 expected, sleeve covers %3 of where code %4 puts it")
                                        .arg(sinistra ? "left" : "right").arg(atteso).arg(quota).arg(codice)));
            }
            QVERIFY2(Quota(img, Mano[atteso], Tavolozza::Pelle, sinistra) > 0.95, "no hand at the end of the arm");
        }

        if (Modulo1::GambeUnite(n)) {
            QVERIFY2(Quota(img, InMezzo, Tavolozza::Pantaloni) > 0.85, "legs together should fill the middle");
            QVERIFY2(Quota(img, Fuori, Tavolozza::Sfondo) > 0.99 && Quota(img, Fuori, Tavolozza::Sfondo, true) > 0.99,
                     "legs together, yet something stands where spread legs would");
        } else {
            QVERIFY2(Quota(img, Fuori, Tavolozza::Pantaloni) > 0.95 && Quota(img, Fuori, Tavolozza::Pantaloni, true) > 0.95,
                     "legs apart should stand out on both sides");
            QVERIFY2(Quota(img, InMezzo, Tavolozza::Sfondo) > 0.99, "legs apart should leave the middle empty");
        }

        if (diFronte) {
            QVERIFY2(Quota(img, Viso, Tavolozza::Pelle) > 0.95, "facing, but no face");
            QVERIFY2(Quota(img, Occhio, Tavolozza::Contorno) > 0.9 && Quota(img, Occhio, Tavolozza::Contorno, true) > 0.9,
                     "facing, but the eyes are missing");
            QVERIFY2(Quota(img, Bocca, Tavolozza::Bocca) > 0.9, "facing, but no smile");
        } else {
            QCOMPARE(Quota(img, Viso, Tavolozza::Pelle), 0.0);
            QVERIFY2(Quota(img, Viso, Tavolozza::Capelli) > 0.8, "from behind the head should be hair");
            QVERIFY2(Quota(img, Occhio, Tavolozza::Capelli) > 0.9 && Quota(img, Occhio, Tavolozza::Capelli, true) > 0.9,
                     "from behind, but something where the eyes would be");
        }
    }
};

QTEST_GUILESS_MAIN(TestFigure)
#include "test_figure.moc"
