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

std::vector<short> Leggi(const QString& nome, SF_INFO* info)
{
    const QByteArray percorso = (qEnvironmentVariable("BUSSOLINO_BUILD_DIR") + "/suoni/" + nome).toLocal8Bit();
    SNDFILE* f = sf_open(percorso.constData(), SFM_READ, info);
    if (!f)
        return {};
    std::vector<short> pcm(size_t(info->frames * info->channels));
    pcm.resize(size_t(sf_read_short(f, pcm.data(), sf_count_t(pcm.size()))));
    sf_close(f);
    return pcm;
}

// The strongest pitch in 2048 samples from `da`, searched in steps of 1% from 150 Hz to 3 kHz.
double Altezza(const std::vector<short>& pcm, size_t da)
{
    double migliore = 0, potenzaMigliore = -1;
    for (double hz = 150; hz < 3000; hz *= 1.01) {
        double re = 0, im = 0;
        for (size_t i = 0; i < 2048 && da + i < pcm.size(); ++i) {
            const double v = pcm[da + i] * (0.5 - 0.5 * std::cos(2 * M_PI * i / 2047.0));
            re += v * std::cos(2 * M_PI * hz * i / Campioni);
            im += v * std::sin(2 * M_PI * hz * i / Campioni);
        }
        if (re * re + im * im > potenzaMigliore)
            potenzaMigliore = re * re + im * im, migliore = hz;
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

        SF_INFO info{};
        const std::vector<short> pcm = Leggi(nome, &info);
        QVERIFY2(pcm.size() > size_t(Coda), "the file does not decode, or is all tail");
        QCOMPARE(info.samplerate, Campioni);
        QCOMPARE(info.channels, 1);
        QCOMPARE(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);

        // Sound right from the start and right up to the tail; the tail exactly silent.
        const size_t suono = pcm.size() - Coda;
        for (size_t i = suono; i < pcm.size(); ++i)
            QCOMPARE(pcm[i], short(0));
        size_t inizio = 0, fine = suono;
        while (inizio < suono && std::abs(pcm[inizio]) <= Udibile)
            ++inizio;
        while (fine > inizio && std::abs(pcm[fine - 1]) <= Udibile)
            --fine;
        QVERIFY2(inizio < Campioni / 50 && suono - fine < Campioni / 50, "silence before or after the sound");
        const double secondi = double(suono) / Campioni;
        QVERIFY2(secondi >= minimo && secondi <= massimo, qPrintable(QString("%1 s of sound").arg(secondi)));

        int picco = 0;
        for (short v : pcm)
            picco = std::max(picco, std::abs(int(v)));
        const double dB = 20 * std::log10(picco / 32768.0);
        QVERIFY2(dB > -4 && dB < -2, qPrintable(QString("peak at %1 dBFS").arg(dB)));
        QVERIFY2(std::abs(pcm.front()) < 200 && std::abs(pcm[suono - 1]) < 200, "a click at the start or the end");

        // Heard: a right answer goes up, a wrong answer comes gently down and stays low.
        const double primo = Altezza(pcm, inizio);
        const double ultimo = Altezza(pcm, (inizio + fine) / 2);
        QVERIFY2(sale ? ultimo > primo * 1.1 : ultimo < primo / 1.1,
                 qPrintable(QString("goes from %1 Hz to %2 Hz").arg(primo).arg(ultimo)));
        if (!sale)
            QVERIFY2(primo < 500, "a wrong answer should sound low and soft, not shrill");
    }

    // Four right-answer sounds to take turns, none a copy of another, and none like "no".
    void diversi()
    {
        const QStringList nomi = {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"};
        std::vector<std::vector<short>> suoni;
        for (const QString& nome : nomi) {
            SF_INFO info{};
            suoni.push_back(Leggi(nome, &info));
        }
        for (size_t i = 0; i < suoni.size(); ++i)
            for (size_t j = i + 1; j < suoni.size(); ++j) {
                double differenza = 0, energia = 0;
                for (size_t k = 0; k < std::min(suoni[i].size(), suoni[j].size()); ++k) {
                    differenza += std::pow(double(suoni[i][k]) - suoni[j][k], 2);
                    energia += std::pow(double(suoni[i][k]), 2) + std::pow(double(suoni[j][k]), 2);
                }
                QVERIFY2(differenza > 0.5 * energia, qPrintable(nomi[int(i)] + " and " + nomi[int(j)] + " are nearly the same"));
            }
    }
};

QTEST_GUILESS_MAIN(TestSuoni)
#include "test_suoni.moc"
