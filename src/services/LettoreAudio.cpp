#include "services/LettoreAudio.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>
#include <cmath>
#include <cstdio>
#include <sndfile.h>
#include <vector>

namespace {
// No answer sound is longer than this; anything longer is cut, so an odd file cannot fill memory.
constexpr sf_count_t SecondiMassimi = 20;
constexpr int Canale = 2;  // bytes per 16-bit sample
}  // namespace

LettoreAudio::LettoreAudio()
{
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, &LettoreAudio::alimenta);
}

LettoreAudio::~LettoreAudio()
{
    if (uscita)
        uscita->stop();
    delete uscita;
}

QByteArray LettoreAudio::decodifica(const QString& percorso, QString* problema)
{
    SF_INFO info{};
    SNDFILE* f = sf_open(QFile::encodeName(percorso).constData(), SFM_READ, &info);
    if (!f) {
        if (problema)
            *problema = QString::fromUtf8(sf_strerror(nullptr));
        return {};
    }
    const sf_count_t voluti = std::min<sf_count_t>(info.frames, SecondiMassimi * info.samplerate);
    std::vector<float> letti(size_t(std::max<sf_count_t>(0, voluti)) * size_t(std::max(1, info.channels)));
    const sf_count_t avuti = info.channels > 0 ? sf_readf_float(f, letti.data(), voluti) : 0;
    sf_close(f);
    if (avuti <= 0 || info.samplerate <= 0) {
        if (problema)
            *problema = QStringLiteral("no sound in the file");
        return {};
    }
    // Mix to mono, then resample linearly to the stream's rate.
    std::vector<float> mono(static_cast<size_t>(avuti));
    for (sf_count_t i = 0; i < avuti; ++i) {
        float s = 0;
        for (int c = 0; c < info.channels; ++c)
            s += letti[size_t(i * info.channels + c)];
        mono[size_t(i)] = s / float(info.channels);
    }
    const double passo = double(info.samplerate) / Frequenza;
    const qsizetype n = qsizetype(std::floor(double(avuti - 1) / passo)) + 1;
    QByteArray pcm(n * Canale, Qt::Uninitialized);
    auto* out = reinterpret_cast<int16_t*>(pcm.data());
    for (qsizetype i = 0; i < n; ++i) {
        const double t = i * passo;
        const size_t a = size_t(t);
        const size_t b = std::min(a + 1, mono.size() - 1);
        const double v = mono[a] + (mono[b] - mono[a]) * (t - double(a));
        out[i] = int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    return pcm;
}

bool LettoreAudio::apri()
{
    if (uscita)
        return flusso != nullptr;
    if (apertura)
        return false;
    apertura = true;
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (dispositivo.isNull())
        return false;
    QAudioFormat formato;
    formato.setSampleRate(Frequenza);
    formato.setChannelCount(1);
    formato.setSampleFormat(QAudioFormat::Int16);
    uscita = new QAudioSink(dispositivo, formato, this);
    // The program's player lives until exit, past the application: let go of the stream while
    // the sound system is still there, or quitting after any sound crashes.
    connect(QCoreApplication::instance(), &QObject::destroyed, this, [this] {
        timer.stop();
        if (uscita)
            uscita->stop();
        delete uscita;
        uscita = nullptr;
        flusso = nullptr;
    });
    // About 50 ms queued ahead: short enough that an answer is heard at once.
    uscita->setBufferSize(Frequenza / 20 * Canale);
    flusso = uscita->start();
    if (!flusso)
        return false;
    timer.start();
    return true;
}

const QByteArray& LettoreAudio::decodificato(const QString& percorso)
{
    auto it = decodificati.constFind(percorso);
    if (it == decodificati.constEnd()) {
        QString problema;
        it = decodificati.insert(percorso, decodifica(percorso, &problema));
        if (it->isEmpty())
            std::fprintf(stderr, "bussolino: cannot play sound %s: %s\n", qPrintable(percorso), qPrintable(problema));
    }
    return *it;
}

void LettoreAudio::suona(const QString& percorso)
{
    const QByteArray& pcm = decodificato(percorso);
    coda.clear();
    if (pcm.isEmpty() || !apri()) {
        inAttesa.clear();
        QApplication::beep();
        return;
    }
    inAttesa = pcm;
    posizione = 0;
    alimenta();
}

void LettoreAudio::accoda(const QString& percorso)
{
    const QByteArray& pcm = decodificato(percorso);
    if (pcm.isEmpty() || !apri())
        return;
    if (posizione >= inAttesa.size() && coda.isEmpty()) {
        inAttesa = pcm;
        posizione = 0;
        alimenta();
        return;
    }
    // A short breath between two sentences.
    coda << QByteArray(Frequenza * 3 / 10 * Canale, '\0') + pcm;
}

void LettoreAudio::ferma()
{
    coda.clear();
    inAttesa.clear();
    posizione = 0;
}

void LettoreAudio::alimenta()
{
    if (!flusso)
        return;
    // Keep the stream fed: the sound that is playing, silence when there is none.
    qsizetype libero = uscita->bytesFree();
    libero -= libero % Canale;
    if (libero <= 0)
        return;
    QByteArray blocco(libero, '\0');
    qsizetype scritti = 0;
    while (scritti < libero) {
        if (posizione >= inAttesa.size()) {
            if (coda.isEmpty())
                break;
            inAttesa = coda.takeFirst();
            posizione = 0;
        }
        const qsizetype n = std::min(inAttesa.size() - posizione, libero - scritti);
        std::memcpy(blocco.data() + scritti, inAttesa.constData() + posizione, size_t(n));
        posizione += n;
        scritti += n;
    }
    flusso->write(blocco);
}
