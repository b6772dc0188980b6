// The fonts and pictures carried inside the program: all there, all drawable.
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

#include "ui/Risorse.h"

class TestRisorse : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // A picture Qt cannot read fully, or a font that fails to load, only warns.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void catalogo()
    {
        // Every picture the screens ask for by name, and nothing forgotten in the build.
        QStringList attese = {
            QStringLiteral("altoparlante"), QStringLiteral("avanti"), QStringLiteral("avvio"), QStringLiteral("bruco"),
            QStringLiteral("cammello"), QStringLiteral("cane"), QStringLiteral("cavallo"),
            QStringLiteral("cerbiatto"), QStringLiteral("ciao"), QStringLiteral("dinosauro"),
            QStringLiteral("faccia_no"), QStringLiteral("faccia_si"), QStringLiteral("farfalla"),
            QStringLiteral("gatto"), QStringLiteral("ghiandaia"), QStringLiteral("icona_avvio"),
            QStringLiteral("icona_faccina"), QStringLiteral("insetto"), QStringLiteral("muto"), QStringLiteral("panda"),
            QStringLiteral("pesce"), QStringLiteral("pesci_pagliaccio"), QStringLiteral("puntatore"),
            QStringLiteral("tartaruga"), QStringLiteral("uccellino")};
        QCOMPARE(Risorse::nomiDisegni(), attese);
        QCOMPARE(Risorse::percorsoDisegno(QStringLiteral("gatto")), QStringLiteral(":/disegni/gatto.svg"));
    }

    void figura_data()
    {
        QTest::addColumn<QString>("nome");
        for (const QString& nome : Risorse::nomiDisegni())
            QTest::newRow(qPrintable(nome)) << nome;
    }

    void figura()
    {
        QFETCH(QString, nome);
        QFile file(Risorse::percorsoDisegno(nome));
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Qt drops these without a word, leaving the picture wrong.
        static const QRegularExpression ignorati(QStringLiteral("<(filter|mask|clipPath)\\b|\\b(filter|mask|clip-path)="));
        QVERIFY2(!ignorati.match(QString::fromUtf8(file.readAll())).hasMatch(), "filter, mask or clipPath");

        QSvgRenderer svg(Risorse::percorsoDisegno(nome));
        QVERIFY(svg.isValid());
        // Drawn from the size of a small button up to four times that; at least a
        // tenth of the square must be painted, or something went missing.
        for (int lato : {33, 4 * 33}) {
            QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            QPainter p(&img);
            svg.render(&p);
            p.end();
            int pieni = 0;
            for (int y = 0; y < lato; ++y)
                for (int x = 0; x < lato; ++x)
                    pieni += qAlpha(img.pixel(x, y)) > 0;
            QVERIFY2(pieni * 10 >= lato * lato, qPrintable(QStringLiteral("%1 px painted at %2").arg(pieni).arg(lato)));
        }
    }

    void riquadri_larghi()
    {
        // These two fill a 615 x 495 box: a square picture would leave bands.
        for (const char* nome : {"pesci_pagliaccio", "bruco"}) {
            const QRectF vb = QSvgRenderer(Risorse::percorsoDisegno(QLatin1String(nome))).viewBoxF();
            QVERIFY2(qAbs(vb.width() / vb.height() - 615.0 / 495.0) < 0.02, nome);
        }
    }

    void foglio()
    {
        // BUSSOLINO_FOGLIO_FIGURE=docs/pictures.png redraws the preview sheet of
        // every carried picture, as Qt draws them.
        const QString uscita = qEnvironmentVariable("BUSSOLINO_FOGLIO_FIGURE");
        if (uscita.isEmpty())
            QSKIP("set BUSSOLINO_FOGLIO_FIGURE to draw the preview sheet");
        const QStringList nomi = Risorse::nomiDisegni();
        const int colonne = 6, lato = 150, cella = lato + 24, testo = 26;
        const int righe = (int(nomi.size()) + colonne - 1) / colonne;
        QImage foglio(colonne * cella, righe * (cella + testo), QImage::Format_RGB32);
        foglio.fill(QColor(0xEE, 0xEE, 0xEE));
        QPainter p(&foglio);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(QFont(Risorse::famigliaArial(), 12));
        for (int i = 0; i < nomi.size(); ++i) {
            QSvgRenderer svg(Risorse::percorsoDisegno(nomi[i]));
            const QRect riquadro((i % colonne) * cella + 12, (i / colonne) * (cella + testo) + 12, lato, lato);
            p.fillRect(riquadro, Qt::white);
            QSizeF misura = svg.viewBoxF().size();
            misura.scale(lato, lato, Qt::KeepAspectRatio);
            QRectF dove(QPointF(), misura);
            dove.moveCenter(QRectF(riquadro).center());
            svg.render(&p, dove);
            p.drawText(QRect(riquadro.left(), riquadro.bottom() + 4, lato, testo), Qt::AlignCenter, nomi[i]);
        }
        p.end();
        QVERIFY(foglio.save(uscita));
    }

    void caratteri()
    {
        for (const char* file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                 "ComicNeue-Regular.otf", "ComicNeue-Bold.otf"})
            QVERIFY2(QFile::exists(QStringLiteral(":/caratteri/") + QLatin1String(file)), file);

        Risorse::caricaCaratteri();
        Risorse::caricaCaratteri();
        QCOMPARE(Risorse::famigliaArial(), QStringLiteral("Liberation Sans"));
        QCOMPARE(Risorse::famigliaComic(), QStringLiteral("Comic Neue"));
        // Bold is carried too, so bold labels are not a synthetic imitation.
        for (const QString& famiglia : {Risorse::famigliaArial(), Risorse::famigliaComic()}) {
            QFont f(famiglia, 20, QFont::Bold);
            QFontInfo info(f);
            QCOMPARE(info.family(), famiglia);
            QVERIFY(QFontDatabase::styles(famiglia).contains(QStringLiteral("Bold")));
        }
    }
};

QTEST_MAIN(TestRisorse)
#include "test_risorse.moc"
