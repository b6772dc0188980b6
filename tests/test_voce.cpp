// The spoken sentences made by the build: each one there, its length fitting its words, heard
// at one loudness, never clipped, with the same short pause at both ends; and every arm
// sentence the pose screens can build has its voice.
#include "app/FormConFrasi.h"
#include "app/Percorsi.h"
#include "app/Voce.h"

#include <sndfile.h>

#include <QRegularExpression>
#include <QtTest>
#include <cmath>
#include <vector>

namespace {

// Reads a mono 16-bit file as it is stored; empty when it is not that.
std::vector<short> Leggi(const QString& percorso, SF_INFO& info)
{
    SNDFILE* f = sf_open(QFile::encodeName(percorso).constData(), SFM_READ, &info);
    if (!f)
        return {};
    std::vector<short> pcm;
    if (info.channels == 1 && (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16) {
        pcm.resize(size_t(info.frames));
        pcm.resize(size_t(sf_read_short(f, pcm.data(), info.frames)));
    }
    sf_close(f);
    return pcm;
}

// Syllables, near enough: the groups of vowels in the spoken words.
int Sillabe(const QString& parlato)
{
    return int(parlato.toLower().count(QRegularExpression(QStringLiteral("[aeiouàèéìòù]+"))));
}

// Opens the arm fragments of the screens that describe a pose.
struct Frammenti : FormConFrasi {
    Frammenti() : FormConFrasi(Schermate::Id::Form4, false) { LeggiFrasi(); }
    void Genera() override {}
    QString operator[](int codice) const { return Frasi[codice]; }
};

}  // namespace

class TestVoce : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Percorsi::ImpostaCartellaProgramma(qEnvironmentVariable("BUSSOLINO_BUILD_DIR")); }

    void ognuna_data()
    {
        QTest::addColumn<QString>("parlato");
        QTest::addColumn<QString>("percorso");
        for (const Voce::Frase& f : Voce::Frasi())
            QTest::newRow(f.file) << QString::fromUtf8(f.parlato) << Voce::Percorso(f);
    }
    void ognuna()
    {
        QFETCH(QString, parlato);
        QFETCH(QString, percorso);
        SF_INFO info{};
        const std::vector<short> pcm = Leggi(percorso, info);
        QVERIFY2(!pcm.empty(), qPrintable(percorso + " is not a mono 16-bit WAV"));
        QVERIFY(info.samplerate == 22050 || info.samplerate == 44100);

        // Speech runs from the first to the last 10 ms window within 45 dB of the loudest (the
        // build cuts at 40 dB, and its fade may soften a first consonant a little).
        const size_t passo = size_t(info.samplerate / 100);
        std::vector<double> rms;
        for (size_t i = 0; i + passo <= pcm.size(); i += passo) {
            double s = 0;
            for (size_t k = i; k < i + passo; ++k)
                s += double(pcm[k]) * pcm[k];
            rms.push_back(std::sqrt(s / passo) / 32768.0);
        }
        const double massimo = *std::max_element(rms.begin(), rms.end());
        size_t primo = 0, ultimo = rms.size() - 1;
        while (rms[primo] < massimo / 178)
            ++primo;
        while (rms[ultimo] < massimo / 178)
            --ultimo;
        double energia = 0;
        int attive = 0;
        for (size_t w = primo; w <= ultimo; ++w)
            if (rms[w] >= massimo / 178)
                energia += rms[w] * rms[w], ++attive;

        // The same short pause at both ends: the next sentence follows evenly.
        QVERIFY2(primo >= 8 && primo <= 14, qPrintable(QString::number(primo * 10) + " ms before"));
        QVERIFY2(rms.size() - 1 - ultimo >= 8 && rms.size() - 1 - ultimo <= 14,
                 qPrintable(QString::number((rms.size() - 1 - ultimo) * 10) + " ms after"));
        // Slow enough for a child, not so slow that words fall apart, and never cut short.
        const double perSillaba = (ultimo - primo + 1) * 0.01 / Sillabe(parlato);
        QVERIFY2(perSillaba > 0.15 && perSillaba < 0.40, qPrintable(QString::number(perSillaba) + " s a syllable"));
        // One loudness for every sentence, loud enough, and no sample at full scale.
        const double volume = 20 * std::log10(std::sqrt(energia / attive));
        QVERIFY2(volume > -21 && volume < -15, qPrintable(QString::number(volume) + " dBFS"));
        const auto [basso, alto] = std::minmax_element(pcm.begin(), pcm.end());
        QVERIFY(*basso > -32000 && *alto < 32000);
    }

    // An arm sentence the screens build from their fragments that had no voice would leave
    // a child who cannot read without the exercise.
    void frasiDelleFigure()
    {
        const Frammenti frasi;
        for (int codice = 1; codice <= 4; ++codice)
            for (const QString& lato : {QStringLiteral("DESTRO "), QStringLiteral("SINISTRO ")}) {
                QVERIFY(!Voce::PercorsoDi("HO IL BRACCIO " + lato + frasi[codice]).isEmpty());
                QVERIFY(!Voce::PercorsoDi("HA IL BRACCIO " + lato + frasi[codice] + '.').isEmpty());
            }
        const QStringList descrizione = Voce::PercorsiDelleRighe(
            "HA IL BRACCIO DESTRO IN ALTO.\r\n\r\nHA IL BRACCIO SINISTRO IN BASSO.\r\n\r\nHA LE GAMBE UNITE.\r\n");
        QCOMPARE(descrizione.size(), 3);
        QVERIFY(descrizione[2].endsWith("/voce/detective_gambe_unite.wav"));
        QVERIFY(Voce::PercorsoDi("HO IL BRACCIO DESTRO IN ALTO.").isEmpty());
    }
};

QTEST_MAIN(TestVoce)
#include "test_voce.moc"
