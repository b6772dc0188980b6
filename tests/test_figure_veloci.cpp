// The figure files as another account meets them, and the figures as the child sees them: every
// file the build makes is readable by whoever may run the program, and a figure is held at the
// size it is shown at, made again from its file when the window grows.
#include "support/Aiuto.h"

#include "framework/Schermata.h"
#include "services/Figure.h"
#include "services/Percorsi.h"
#include "ui/Immagine.h"

#include <QDirIterator>
#include <QPainter>
#include <QProcess>
#include <sys/stat.h>

using Catalogo::Id;

namespace {

mode_t Lettura(const QString& percorso)
{
    struct stat s {};
    return ::stat(QFile::encodeName(percorso).constData(), &s) == 0 ? (s.st_mode & 0444) : 0;
}

// A figure file with detail down to single pixels, which a picture scaled up from a smaller
// copy would lose.
void ScriviFiguraFine(const QString& percorso)
{
    QImage i(600, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 600; ++x)
            i.setPixelColor(x, y, ((x / 2 + y / 3) % 2) ? QColor(20, 40, 200) : QColor(250, 220, 30));
    QVERIFY(i.save(percorso, "PNG"));
}

}  // namespace

class TestFigureVeloci : public QObject {
    Q_OBJECT
private slots:
    void fileLeggibiliDaChiEsegue_data()
    {
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<QString>("filtro");
        QTest::newRow("figures") << "gif" << "*.gif";
        QTest::newRow("sounds") << "suoni" << "*.wav";
        QTest::newRow("spoken sentences") << "voce" << "*.wav";
    }

    void fileLeggibiliDaChiEsegue()
    {
        // Whoever may run the built program may read every file the build put beside it.
        QFETCH(QString, cartella);
        QFETCH(QString, filtro);
        const QString build = qEnvironmentVariable("BUSSOLINO_BUILD_DIR");
        if (!QDir(build + '/' + cartella).exists())
            QSKIP("this build made no such folder");
        const mode_t programma = Lettura(build + "/bussolino");
        QVERIFY(programma & S_IROTH);
        int visti = 0;
        for (QDirIterator it(build + '/' + cartella, {filtro}, QDir::Files); it.hasNext(); ++visti) {
            const QString f = it.next();
            QVERIFY2(Lettura(f) == programma, qPrintable(QString("%1: mode %2").arg(f).arg(Lettura(f), 3, 8)));
        }
        QVERIFY(visti > 0);
    }

    void rigeneratiLeggibili()
    {
        // A build over an older one: a figure left at 0600 comes out 0644 under the usual umask.
        QTemporaryDir d;
        QFile vecchia(d.path() + "/1.gif");
        QVERIFY(vecchia.open(QIODevice::WriteOnly));
        vecchia.close();
        QVERIFY(QFile::setPermissions(vecchia.fileName(), QFile::ReadOwner | QFile::WriteOwner));
        const mode_t prima = ::umask(022);
        const int esito = QProcess::execute(qEnvironmentVariable("BUSSOLINO_BUILD_DIR") + "/tools/figures/genera_figure", {d.path()});
        ::umask(prima);
        QCOMPARE(esito, 0);
        for (const char* f : {"/1.gif", "/56.gif"})
            QCOMPARE(Lettura(d.path() + f), mode_t(0444));
    }

    void tenutaAllaDimensioneMostrata()
    {
        // The figure on show is made from its file at the size of its box, and again at the
        // new size when the window grows: as sharp as a picture read straight from the file.
        Ambiente a;
        ScriviFiguraFine(Percorsi::figura(5));
        a.casuale.aggiungi({0.5, (5 - 0.5) / 28, 0.75, 0.75});
        Schermata& f = apri(Id::Form1);
        Controlli::Immagine* im = immagine(f, "Image1");
        const QImage file(Percorsi::figura(5));
        for (qreal volte : {1.0, 2.0}) {
            f.window()->resize(f.window()->size() * volte);
            QTest::qWait(1);
            im->repaint();
            const QSize lato = im->size() * im->devicePixelRatioF();
            QCOMPARE(im->immagine().size(), lato);
            const QImage attesa = file.scaled(lato, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
            QVERIFY(im->immagine().convertToFormat(QImage::Format_RGB32) == attesa);
        }
    }

    void pronteInAnticipo()
    {
        // After a moment on the title, every figure is ready at the size the detective screens
        // show six at, and one shown there is held at exactly that size.
        Ambiente a;
        Figure::preparaInAnticipo();
        Figure::attendiPreparazione();
        Schermata& f = apri(Id::Form7);
        Controlli::Immagine* im = immagine(f, "Image1", 0);
        const QSize lato = im->size() * im->devicePixelRatioF();
        for (int n = 1; n <= 56; ++n) {
            const QImage i = Figure::carica(n);
            QCOMPARE(i.size(), lato);
            QCOMPARE(posaMostrata(i), n);
        }
        // Made larger (F11 on a whiteboard), it gets all 56 ready at its new size.
        f.window()->resize(f.window()->size() * 2);
        QTest::qWait(1);
        Figure::attendiPreparazione();
        for (int n : {1, 56})
            QCOMPARE(Figure::carica(n).size(), im->size() * im->devicePixelRatioF());
        QVERIFY(im->size() * im->devicePixelRatioF() != lato);
    }
};

BUSSOLINO_TEST_MAIN(TestFigureVeloci)
#include "test_figure_veloci.moc"
