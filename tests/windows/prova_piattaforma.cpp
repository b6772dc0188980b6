// Windows' own pieces that are plain Qt, proven here against what Linux uses in their place:
// the WAV reader of Windows' sound player against libsndfile (the Linux player's decoder), and
// the drawings recorded as pictures against the SVG they were recorded from, on the screen and on
// a device of printer resolution.
#include "platform/windows/Registrazione.h"
#include "platform/windows/Wav.h"
#include "services/PluginSuono.h"
#include "support/Aiuto.h"
#include "ui/Risorse.h"

#include <sndfile.h>

#include <QDir>
#include <QImageReader>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <vector>

namespace {

// A second of a rising tone with noise, in the format asked for, written by libsndfile.
QString scrivi(const QString& cartella, const QString& nome, int formato, int canali, int frequenza, double secondi = 1.0)
{
    const QString percorso = cartella + '/' + nome;
    SF_INFO info{};
    info.samplerate = frequenza;
    info.channels = canali;
    info.format = formato;
    SNDFILE* f = sf_open(qPrintable(percorso), SFM_WRITE, &info);
    if (!f)
        return {};
    std::vector<float> campioni(size_t(frequenza * secondi) * size_t(canali));
    for (size_t i = 0; i < campioni.size(); ++i) {
        const double t = double(i / size_t(canali)) / frequenza;
        campioni[i] = float(0.7 * std::sin(2 * M_PI * (300 + 400 * t) * t + double(i % size_t(canali))) +
                            0.1 * std::sin(double(i) * 12.9898));
    }
    sf_writef_float(f, campioni.data(), sf_count_t(campioni.size() / size_t(canali)));
    sf_close(f);
    return percorso;
}

// The largest difference between two decodings, in 16-bit steps; -1 when their lengths differ.
int scarto(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return -1;
    const auto* x = reinterpret_cast<const qint16*>(a.constData());
    const auto* y = reinterpret_cast<const qint16*>(b.constData());
    int massimo = 0;
    for (qsizetype i = 0; i < a.size() / 2; ++i)
        massimo = std::max(massimo, std::abs(int(x[i]) - int(y[i])));
    return massimo;
}

// How far two renderings are apart: the mean difference of their channels, 0 to 255.
double distanza(const QImage& a, const QImage& b)
{
    double somma = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            somma += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                     std::abs(qAlpha(p) - qAlpha(q));
        }
    return somma / (4.0 * a.width() * a.height());
}

QImage vuota(QSize s, int dpi)
{
    QImage i(s, QImage::Format_ARGB32_Premultiplied);
    i.fill(Qt::transparent);
    i.setDotsPerMeterX(qRound(dpi / 0.0254));
    i.setDotsPerMeterY(qRound(dpi / 0.0254));
    return i;
}

}  // namespace

class TestPiattaformaWindows : public QObject {
    Q_OBJECT

private slots:
    // Every kind of WAV a teacher's recorder may write reads as the Linux player reads it, and
    // so do the sounds and sentences the build made.
    void wavComeSuLinux_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("frequenza");
        QTest::newRow("16 bit mono 44100") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 1 << 44100;
        QTest::newRow("8 bit stereo 22050") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 2 << 22050;
        QTest::newRow("24 bit stereo 48000") << (SF_FORMAT_WAV | SF_FORMAT_PCM_24) << 2 << 48000;
        QTest::newRow("32 bit mono 8000") << (SF_FORMAT_WAV | SF_FORMAT_PCM_32) << 1 << 8000;
        QTest::newRow("float stereo 44100") << (SF_FORMAT_WAV | SF_FORMAT_FLOAT) << 2 << 44100;
        QTest::newRow("double, three channels, 16000") << (SF_FORMAT_WAV | SF_FORMAT_DOUBLE) << 3 << 16000;
        QTest::newRow("extensible 16 bit stereo 96000") << (SF_FORMAT_WAVEX | SF_FORMAT_PCM_16) << 2 << 96000;
    }
    void wavComeSuLinux()
    {
        QFETCH(int, formato);
        QFETCH(int, canali);
        QFETCH(int, frequenza);
        QTemporaryDir cartella;
        const QString f = scrivi(cartella.path(), QStringLiteral("prova è.wav"), formato, canali, frequenza);
        QVERIFY(!f.isEmpty());
        const QByteArray linux = PluginSuono::decodifica(f);
        QVERIFY(!linux.isEmpty());
        QCOMPARE(scarto(Wav::decodifica(f), linux), 0);
    }
    void suoniDelProgramma()
    {
        const QString build = qEnvironmentVariable("BUSSOLINO_BUILD_DIR");
        QStringList file;
        for (const QString& c : {QStringLiteral("suoni"), QStringLiteral("voce")})
            for (const QString& n : QDir(build + '/' + c).entryList({"*.wav"}, QDir::Files, QDir::Name).mid(0, 12))
                file << build + '/' + c + '/' + n;
        QVERIFY(file.size() > 10);
        for (const QString& f : file)
            QVERIFY2(scarto(Wav::decodifica(f), PluginSuono::decodifica(f)) == 0, qPrintable(f));
    }

    // What cannot be played is told, never half read; a long sound is cut at 20 seconds as on Linux.
    void wavDaNonSuonare()
    {
        QTemporaryDir cartella;
        const QString d = cartella.path();
        auto file = [&](const QString& nome, const QByteArray& dati) {
            QFile f(d + '/' + nome);
            f.open(QIODevice::WriteOnly);
            f.write(dati);
            return f.fileName();
        };
        QString problema;
        for (const QString& f : {d + "/manca.wav", file("vuoto.wav", {}), file("testo.wav", "non sono un suono"),
                                 file("solo testa.wav", QByteArray("RIFF\x04\0\0\0WAVE", 12)),
                                 file("senza formato.wav", QByteArray("RIFF\x0c\0\0\0WAVEdata\0\0\0\0", 20))}) {
            problema.clear();
            QVERIFY2(Wav::decodifica(f, &problema).isEmpty(), qPrintable(f));
            QVERIFY2(!problema.isEmpty(), qPrintable(f));
            QVERIFY(PluginSuono::decodifica(f).isEmpty());
        }
        // Cut where its data end: what is there is played, as libsndfile plays it.
        const QString intero = scrivi(d, "intero.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 44100);
        QFile::copy(intero, d + "/tagliato.wav");
        QFile::resize(d + "/tagliato.wav", QFileInfo(intero).size() / 2 + 1);
        QCOMPARE(scarto(Wav::decodifica(d + "/tagliato.wav"), PluginSuono::decodifica(d + "/tagliato.wav")), 0);
        const QString lungo = scrivi(d, "lungo.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, 25);
        QCOMPARE(scarto(Wav::decodifica(lungo), PluginSuono::decodifica(lungo)), 0);
        QVERIFY(Wav::decodifica(lungo).size() <= qsizetype(20 * PluginSuono::Frequenza * 2));
    }

    // Each carried drawing, recorded and played back, looks as the SVG drawn at the same size,
    // whatever the device's resolution (a PDF's is far above the screen's).
    void disegniRegistrati_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("screen") << 96;
        QTest::newRow("printer") << 1200;
    }
    void disegniRegistrati()
    {
        QFETCH(int, dpi);
        QTemporaryDir cartella;
        QCOMPARE(Risorse::nomiDisegni().size(), 25);
        for (const QString& nome : Risorse::nomiDisegni()) {
            QSvgRenderer svg(Risorse::percorsoDisegno(nome));
            Registrazione::Disegno d;
            d.misura = svg.defaultSize();
            {
                QPainter p(&d.quadro);
                svg.render(&p, QRectF(QPointF(0, 0), QSizeF(d.misura)));
            }
            const QString file = cartella.path() + '/' + nome + ".qpic";
            QVERIFY(Registrazione::scrivi(file, d));
            const Registrazione::Disegno letto = Registrazione::leggi(file);
            QCOMPARE(letto.misura, d.misura);

            QSize s = d.misura;
            s.scale(QSize(120, 90), Qt::KeepAspectRatio);
            QImage atteso = vuota(s, dpi), avuto = vuota(s, dpi);
            {
                QPainter p(&atteso);
                p.setRenderHint(QPainter::Antialiasing);
                svg.render(&p, QRectF(QPointF(0, 0), QSizeF(s)));
            }
            {
                QPainter p(&avuto);
                p.setRenderHint(QPainter::Antialiasing);
                Registrazione::suona(p, letto, QRectF(QPointF(0, 0), QSizeF(s)));
            }
            QVERIFY2(distanza(avuto, atteso) < 2.0, qPrintable(QStringLiteral("%1: %2").arg(nome).arg(distanza(avuto, atteso))));
        }
        QVERIFY(!Registrazione::leggi(cartella.path() + "/manca.qpic").valido());
    }
};

BUSSOLINO_TEST_MAIN(TestPiattaformaWindows)
#include "prova_piattaforma.moc"
