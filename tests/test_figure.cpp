// The 56 figure pictures made by the build, read back as the program reads them and measured
// against the pose table: each arm where its code puts it, legs together or apart, face or back
// of the head, and nothing but the flat colours, so scaling never bands.
#include "Tavolozza.h"
#include "services/Modulo1.h"

#include <QImage>
#include <QtTest>
#include <set>

namespace {
// Share of the pixels in `zona` (mirrored to the picture's left if asked) that are `colore`.
double quota(const QImage& img, QRect zona, QRgb colore, bool aSinistra = false)
{
    if (aSinistra)
        zona.moveLeft(img.width() - 1 - zona.right());
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            n += img.pixel(x, y) == colore;
    return double(n) / (zona.width() * zona.height());
}

// Where each arm code puts the sleeve and the hand, on the picture's right; no sleeve box is
// touched by an arm held in any of the other three ways.
const QRect Manica[5] = {{}, {455, 205, 24, 23}, {480, 262, 40, 21}, {398, 160, 25, 46}, {414, 335, 19, 46}};
const QRect Mano[5] = {{}, {505, 161, 17, 17}, {548, 264, 17, 17}, {402, 118, 17, 17}, {425, 408, 17, 17}};
const QRect InMezzo(250, 470, 101, 31), Fuori(385, 475, 31, 26);  // legs together fill one, spread the other
const QRect Viso(286, 145, 29, 50), Occhio(322, 172, 12, 10), Sorriso(288, 204, 25, 10);
}  // namespace

class TestFigure : public QObject {
    Q_OBJECT
private slots:
    void posa_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= Modulo1::NumeroPose; ++n)
            QTest::addRow("%d", n) << n;
    }
    void posa()
    {
        QFETCH(int, n);
        using namespace Tavolozza;
        const QImage img = QImage(qEnvironmentVariable("BUSSOLINO_BUILD_DIR") + QString("/gif/%1.gif").arg(n)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(img.size(), QSize(600, 600));
        const std::set<QRgb> ammessi(Colori.begin(), Colori.end());
        for (int i = 0; i < 600 * 600; ++i)
            if (!ammessi.count(img.pixel(i % 600, i / 600)))
                QFAIL(qPrintable(QString("pixel %1,%2 off the palette").arg(i % 600).arg(i / 600)));
        // Facing, the figure's own right arm is on the picture's left; from behind, on its right.
        const bool diFronte = n <= 28;
        for (bool sinistra : {true, false}) {
            const int atteso = sinistra == diFronte ? Modulo1::BraccioDestro(n) : Modulo1::BraccioSinistro(n);
            for (int codice = 1; codice <= 4; ++codice) {
                const double q = quota(img, Manica[codice], Maniche, sinistra);
                QVERIFY2(codice == atteso ? q > 0.95 : q < 0.01, qPrintable(QString("%1 arm: code %2 expected, %3 of code %4's sleeve")
                                                                               .arg(sinistra ? "left" : "right").arg(atteso).arg(q).arg(codice)));
            }
            QVERIFY2(quota(img, Mano[atteso], Pelle, sinistra) > 0.95, "no hand at the end of the arm");
        }
        const bool unite = Modulo1::GambeUnite(n);
        QVERIFY2(quota(img, InMezzo, unite ? Pantaloni : Sfondo) > (unite ? 0.85 : 0.99), "the middle between the legs");
        for (bool sinistra : {true, false})
            QVERIFY2(quota(img, Fuori, unite ? Sfondo : Pantaloni, sinistra) > (unite ? 0.99 : 0.95), "where a spread leg stands");
        QVERIFY2(quota(img, Viso, diFronte ? Pelle : Capelli) > (diFronte ? 0.95 : 0.8), diFronte ? "facing, but no face" : "from behind, but no hair");
        QVERIFY2(diFronte || quota(img, Viso, Pelle) == 0, "from behind, yet skin where the face would be");
        for (bool sinistra : {true, false})
            QVERIFY2(quota(img, Occhio, diFronte ? Contorno : Capelli, sinistra) > 0.9, "the eyes");
        QVERIFY2(!diFronte || quota(img, Sorriso, Bocca) > 0.9, "facing, but no smile");
    }
};

QTEST_GUILESS_MAIN(TestFigure)
#include "test_figure.moc"
