// The five answer sounds made by the build, decoded through libsndfile and measured: format,
// loudness, length, the silent tail, no clicks, chimes that rise and an "uh-oh" that falls.
#include <sndfile.h>

#include <QtTest>
#include <cmath>
#include <vector>

namespace {

constexpr int Campioni = 44100;
constexpr int Coda = Campioni * 3 / 10;  // 300 ms of silence closes every file
constexpr int Udibile = 33;  // -60 dBFS: below this a sample counts as silence

struct Audio {
    SF_INFO info{};
    std::vector<short> pcm;
};

Audio Leggi(const QString& nome)
{
    Audio a;
    const QByteArray percorso = (qEnvironmentVariable("BUSSOLINO_BUILD_DIR") + "/suoni/" + nome).toLocal8Bit();
    SNDFILE* f = sf_open(percorso.constData(), SFM_READ, &a.info);
    if (!f)
        return a;
    a.pcm.resize(size_t(a.info.frames * a.info.channels));
    a.pcm.resize(size_t(sf_read_short(f, a.pcm.data(), sf_count_t(a.pcm.size()))));
    sf_close(f);
    return a;
}

// Index one past the last audible sample.
size_t FineSuono(const std::vector<short>& pcm)
{
    size_t fine = pcm.size();
    while (fine > 0 && std::abs(pcm[fine - 1]) <= Udibile)
        --fine;
    return fine;
}

size_t InizioSuono(const std::vector<short>& pcm)
{
    size_t i = 0;
    while (i < pcm.size() && std::abs(pcm[i]) <= Udibile)
        ++i;
    return i;
}

// The strongest pitch in 2048 samples from `da`, searched in steps of 1% from 150 Hz to 3 kHz.
double Altezza(const std::vector<short>& pcm, size_t da)
{
    constexpr int N = 2048;
    double migliore = 0;
    double potenzaMigliore = -1;
    for (double hz = 150; hz < 3000; hz *= 1.01) {
        const double w = 2 * M_PI * hz / Campioni;
        double re = 0, im = 0;
        for (int i = 0; i < N && da + i < pcm.size(); ++i) {
            const double finestra = 0.5 - 0.5 * std::cos(2 * M_PI * i / (N - 1));
            re += finestra * pcm[da + i] * std::cos(w * i);
            im += finestra * pcm[da + i] * std::sin(w * i);
        }
        if (re * re + im * im > potenzaMigliore) {
            potenzaMigliore = re * re + im * im;
            migliore = hz;
        }
    }
    return migliore;
}

}  // namespace

class TestSuoni : public QObject {
    Q_OBJECT

private slots:
    void ognuno_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<double>("minimo");  // seconds of sound, before the silent tail
        QTest::addColumn<double>("massimo");
        QTest::addColumn<bool>("sale");  // a right answer rises, a wrong one falls
        for (const char* si : {"si1.wav", "si2.wav", "si3.wav", "si4.wav"})
            QTest::newRow(si) << QString(si) << 0.4 << 0.9 << true;
        QTest::newRow("no.wav") << QString("no.wav") << 0.2 << 0.7 << false;
    }

    void ognuno()
    {
        QFETCH(QString, nome);
        QFETCH(double, minimo);
        QFETCH(double, massimo);
        QFETCH(bool, sale);

        const Audio a = Leggi(nome);
        QVERIFY2(!a.pcm.empty(), "the file does not decode");
        QCOMPARE(a.info.samplerate, Campioni);
        QCOMPARE(a.info.channels, 1);
        QCOMPARE(a.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        QCOMPARE(qint64(a.pcm.size()), qint64(a.info.frames));

        // The tail: the last 300 ms are silent, and the sound runs right up to them.
        const size_t fine = FineSuono(a.pcm);
        QVERIFY2(a.pcm.size() >= size_t(Coda), "shorter than its silent tail");
        for (size_t i = a.pcm.size() - Coda; i < a.pcm.size(); ++i)
            QCOMPARE(a.pcm[i], short(0));
        const size_t suono = a.pcm.size() - Coda;
        QVERIFY2(suono - fine < size_t(Campioni / 50), "more silence than the tail at the end");
        const double secondi = double(suono) / Campioni;
        QVERIFY2(secondi >= minimo && secondi <= massimo, qPrintable(QString("%1 s of sound").arg(secondi)));

        // Peak near -3 dBFS.
        int picco = 0;
        for (short v : a.pcm)
            picco = std::max(picco, std::abs(int(v)));
        const double dB = 20 * std::log10(picco / 32768.0);
        QVERIFY2(dB > -4 && dB < -2, qPrintable(QString("peak at %1 dBFS").arg(dB)));

        // Faded in and out: no click at either end.
        QVERIFY2(std::abs(a.pcm.front()) < 200, "starts with a click");
        QVERIFY2(std::abs(a.pcm[suono - 1]) < 200, "stops with a click");
        const size_t inizio = InizioSuono(a.pcm);
        QVERIFY2(inizio < size_t(Campioni / 50), "starts late");

        // Heard: a right answer goes up, a wrong answer comes gently down.
        const double primo = Altezza(a.pcm, inizio);
        const double ultimo = Altezza(a.pcm, inizio + (fine - inizio) / 2);
        if (sale) {
            QVERIFY2(ultimo > primo * 1.1, qPrintable(QString("goes from %1 Hz to %2 Hz").arg(primo).arg(ultimo)));
        } else {
            QVERIFY2(ultimo < primo / 1.1, qPrintable(QString("goes from %1 Hz to %2 Hz").arg(primo).arg(ultimo)));
            QVERIFY2(primo < 500, "a wrong answer should sound low and soft, not shrill");
        }
    }

    // Four right-answer sounds to take turns, none a copy of another, and none like "no".
    void diversi()
    {
        const QStringList nomi = {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"};
        std::vector<std::vector<short>> suoni;
        for (const QString& nome : nomi) {
            suoni.push_back(Leggi(nome).pcm);
            QVERIFY(!suoni.back().empty());
        }
        for (size_t i = 0; i < suoni.size(); ++i)
            for (size_t j = i + 1; j < suoni.size(); ++j) {
                const size_t n = std::min(suoni[i].size(), suoni[j].size());
                double differenza = 0, energia = 0;
                for (size_t k = 0; k < n; ++k) {
                    differenza += std::pow(double(suoni[i][k]) - suoni[j][k], 2);
                    energia += std::pow(double(suoni[i][k]), 2) + std::pow(double(suoni[j][k]), 2);
                }
                QVERIFY2(differenza > 0.5 * energia,
                         qPrintable(QString("%1 and %2 are nearly the same").arg(nomi[i], nomi[int(j)])));
            }
    }
};

QTEST_GUILESS_MAIN(TestSuoni)
#include "test_suoni.moc"
