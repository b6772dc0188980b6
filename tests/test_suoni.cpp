// The five answer sounds made by the build, decoded through libsndfile and measured: format,
// loudness, length, the silent tail, no clicks, chimes that rise, an "uh-oh" that falls, and no
// two alike.
#include <sndfile.h>

#include <QtTest>
#include <cmath>
#include <vector>

namespace {
constexpr int Hz = 44100, Coda = Hz * 3 / 10;  // 300 ms of silence closes every file
constexpr int Udibile = 33;                     // -60 dBFS

std::vector<short> leggi(const QString& nome, SF_INFO* info)
{
    SNDFILE* f = sf_open(qPrintable(qEnvironmentVariable("BUSSOLINO_BUILD_DIR") + "/suoni/" + nome), SFM_READ, info);
    std::vector<short> pcm(f ? size_t(info->frames * info->channels) : 0);
    if (f)
        pcm.resize(size_t(sf_read_short(f, pcm.data(), sf_count_t(pcm.size())))), sf_close(f);
    return pcm;
}

// The strongest pitch in 2048 samples from `da`, in steps of 1% from 150 Hz to 3 kHz.
double altezza(const std::vector<short>& pcm, size_t da)
{
    double migliore = 0, potenza = -1;
    for (double f = 150; f < 3000; f *= 1.01) {
        double re = 0, im = 0;
        for (size_t i = 0; i < 2048 && da + i < pcm.size(); ++i) {
            const double v = pcm[da + i] * (0.5 - 0.5 * std::cos(2 * M_PI * i / 2047.0));
            re += v * std::cos(2 * M_PI * f * i / Hz), im += v * std::sin(2 * M_PI * f * i / Hz);
        }
        if (re * re + im * im > potenza)
            potenza = re * re + im * im, migliore = f;
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
        QTest::addColumn<double>("minimo");  // seconds of sound before the silent tail
        QTest::addColumn<double>("massimo");
        QTest::addColumn<bool>("sale");      // a right answer rises, a wrong one falls
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
        const std::vector<short> pcm = leggi(nome, &info);
        QVERIFY2(pcm.size() > size_t(Coda), "the file does not decode, or is all tail");
        QCOMPARE(info.samplerate, Hz);
        QCOMPARE(info.channels, 1);
        QCOMPARE(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        const size_t suono = pcm.size() - Coda;
        QVERIFY2(std::all_of(pcm.begin() + long(suono), pcm.end(), [](short v) { return v == 0; }), "the tail is not silent");
        size_t inizio = 0, fine = suono;
        while (inizio < suono && std::abs(pcm[inizio]) <= Udibile)
            ++inizio;
        while (fine > inizio && std::abs(pcm[fine - 1]) <= Udibile)
            --fine;
        QVERIFY2(inizio < Hz / 50 && suono - fine < Hz / 50, "silence before or after the sound");
        QVERIFY2(suono >= minimo * Hz && suono <= massimo * Hz, qPrintable(QString("%1 s of sound").arg(double(suono) / Hz)));
        const int picco = std::abs(*std::max_element(pcm.begin(), pcm.end(), [](short a, short b) { return std::abs(a) < std::abs(b); }));
        const double dB = 20 * std::log10(picco / 32768.0);
        QVERIFY2(dB > -4 && dB < -2, qPrintable(QString("peak at %1 dBFS").arg(dB)));
        QVERIFY2(std::abs(pcm.front()) < 200 && std::abs(pcm[suono - 1]) < 200, "a click at the start or the end");
        const double primo = altezza(pcm, inizio), ultimo = altezza(pcm, (inizio + fine) / 2);
        QVERIFY2(sale ? ultimo > primo * 1.1 : ultimo < primo / 1.1 && primo < 500, qPrintable(QString("%1 Hz to %2 Hz").arg(primo).arg(ultimo)));
    }

    // Four right-answer sounds to take turns, none a copy of another, and none like "no".
    void diversi()
    {
        const QStringList nomi = {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"};
        std::vector<std::vector<short>> s;
        for (const QString& nome : nomi) {
            SF_INFO info{};
            s.push_back(leggi(nome, &info));
        }
        for (size_t i = 0; i < s.size(); ++i)
            for (size_t j = i + 1; j < s.size(); ++j) {
                double diff = 0, energia = 0;
                for (size_t k = 0; k < std::min(s[i].size(), s[j].size()); ++k)
                    diff += std::pow(s[i][k] - s[j][k], 2), energia += std::pow(s[i][k], 2) + std::pow(s[j][k], 2);
                QVERIFY2(diff > 0.5 * energia, qPrintable(nomi[int(i)] + " and " + nomi[int(j)] + " are nearly the same"));
            }
    }
};

QTEST_GUILESS_MAIN(TestSuoni)
#include "test_suoni.moc"
