#include "services/LettoreAudio.h"

#include "services/PluginSuono.h"

#include <QApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <sndfile.h>
#include <utility>
#include <vector>

namespace {
constexpr int Frequenza = PluginSuono::Frequenza;
// No sound is longer than this; anything longer is cut, so an odd file cannot fill memory.
constexpr sf_count_t SecondiMassimi = 20;
constexpr int BytePerCampione = 2;  // 16-bit mono
// The thread writes 10 ms at a time and keeps about 50 ms queued in the server, enough to ride
// out a busy moment; a new answer drops what is queued there, so it is heard at once.
constexpr int Blocco = Frequenza / 100 * BytePerCampione;
constexpr uint32_t InCoda = Frequenza * 5 / 100 * BytePerCampione;
}  // namespace

struct LettoreAudio::Condiviso {
    std::mutex mutex;
    std::condition_variable sveglia;
    std::deque<QByteArray> coda;  // the sound playing first, then those that follow it
    qsizetype scritti = 0;        // bytes of the first already written
    bool conFlusso = false;       // a stream is open
    bool apri = true;             // open one now (the first at once, so the first answer is quick)
    bool avvisa = false;          // an answer is waiting: if no stream can be had, beep for it
    bool svuota = false;          // drop what the server still holds of the sounds before
    bool senzaServerDetto = false;
    bool fine = false;
    bool finito = false;
    std::condition_variable chiuso;

    void alimenta(QObject* ricevitore);
    void riempi(QByteArray& blocco);
};

LettoreAudio::LettoreAudio() : condiviso(std::make_shared<Condiviso>())
{
    // Made on the loading thread; its alert sounds belong to the user-interface thread.
    if (QCoreApplication::instance())
        ricevitore.moveToThread(QCoreApplication::instance()->thread());
    filo = std::thread([c = condiviso, r = &ricevitore] { c->alimenta(r); });
}

LettoreAudio::~LettoreAudio()
{
    std::unique_lock l(condiviso->mutex);
    condiviso->fine = true;
    condiviso->sveglia.notify_all();
    // A server held still can hold a write for ever: quitting does not wait for it.
    if (condiviso->chiuso.wait_for(l, std::chrono::milliseconds(500), [this] { return condiviso->finito; })) {
        l.unlock();
        filo.join();
    } else {
        filo.detach();
    }
}

void LettoreAudio::Condiviso::alimenta(QObject* ricevitore)
{
    const pa_sample_spec formato{PA_SAMPLE_S16LE, Frequenza, 1};
    pa_buffer_attr attributi{};
    attributi.maxlength = uint32_t(-1);
    attributi.tlength = InCoda;
    attributi.prebuf = uint32_t(-1);
    attributi.minreq = Blocco;
    attributi.fragsize = uint32_t(-1);
    pa_simple* flusso = nullptr;
    QByteArray blocco;
    std::unique_lock l(mutex);
    while (!fine) {
        if (!flusso) {
            sveglia.wait(l, [this] { return fine || apri; });
            if (fine)
                break;
            apri = false;
            l.unlock();
            int errore = 0;
            flusso = pa_simple_new(nullptr, "Bussolino", PA_STREAM_PLAYBACK, nullptr, "risposte", &formato, nullptr,
                                   &attributi, &errore);
            l.lock();
            if (fine)
                break;
            conFlusso = flusso != nullptr;
            if (flusso) {
                senzaServerDetto = false;
            } else if (avvisa) {
                // What was asked for cannot be heard: the platform's alert says the answer was taken.
                // Said once an outage, and apart from the lines about the program's own files.
                if (!senzaServerDetto)
                    std::fprintf(stderr, "bussolino sound: no sound server (%s): the alert sound instead\n", pa_strerror(errore));
                senzaServerDetto = true;
                QMetaObject::invokeMethod(ricevitore, [] { QApplication::beep(); }, Qt::QueuedConnection);
            }
            if (!flusso)
                coda.clear();
            avvisa = false;
            continue;
        }
        // Keep the stream fed: the sounds waiting, silence when there are none.
        blocco.fill('\0', Blocco);
        riempi(blocco);
        const bool daSvuotare = std::exchange(svuota, false);
        l.unlock();
        int errore = 0;
        const bool scritto = (!daSvuotare || pa_simple_flush(flusso, &errore) >= 0) &&
                             pa_simple_write(flusso, blocco.constData(), size_t(blocco.size()), &errore) >= 0;
        l.lock();
        if (!scritto) {
            // The server went away; the next sound opens a stream again.
            std::fprintf(stderr, "bussolino sound: the stream broke (%s)\n", pa_strerror(errore));
            pa_simple_free(flusso);
            flusso = nullptr;
            conFlusso = false;
            coda.clear();
        }
    }
    l.unlock();
    if (flusso)
        pa_simple_free(flusso);
    l.lock();
    finito = true;
    chiuso.notify_all();
}

void LettoreAudio::Condiviso::riempi(QByteArray& blocco)
{
    qsizetype fatto = 0;
    while (fatto < blocco.size() && !coda.empty()) {
        const QByteArray& suono = coda.front();
        const qsizetype n = std::min(blocco.size() - fatto, suono.size() - scritti);
        std::memcpy(blocco.data() + fatto, suono.constData() + scritti, size_t(n));
        fatto += n;
        scritti += n;
        if (scritti == suono.size()) {
            coda.pop_front();
            scritti = 0;
        }
    }
}

QByteArray LettoreAudio::decodificato(const QString& percorso, bool tieni)
{
    if (auto it = decodificati.constFind(percorso); it != decodificati.constEnd())
        return *it;
    QString problema;
    const QByteArray pcm = decodifica(percorso, &problema);
    if (pcm.isEmpty())
        std::fprintf(stderr, "bussolino: cannot play sound %s: %s\n", qPrintable(percorso), qPrintable(problema));
    if (tieni || pcm.isEmpty())
        decodificati.insert(percorso, pcm);
    return pcm;
}

void LettoreAudio::suona(const QString& percorso)
{
    const QByteArray pcm = decodificato(percorso, true);
    if (pcm.isEmpty()) {
        QApplication::beep();
        return;
    }
    std::lock_guard l(condiviso->mutex);
    condiviso->coda = {pcm};
    condiviso->scritti = 0;
    condiviso->svuota = true;
    if (!condiviso->conFlusso)
        condiviso->apri = condiviso->avvisa = true;
    condiviso->sveglia.notify_all();
}

void LettoreAudio::accoda(const QString& percorso)
{
    const QByteArray pcm = decodificato(percorso, false);
    if (pcm.isEmpty())
        return;
    std::lock_guard l(condiviso->mutex);
    condiviso->coda.push_back(pcm);
    if (!condiviso->conFlusso)
        condiviso->apri = true;
    condiviso->sveglia.notify_all();
}

void LettoreAudio::ferma()
{
    std::lock_guard l(condiviso->mutex);
    condiviso->coda.clear();
    condiviso->scritti = 0;
    condiviso->svuota = true;
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
    QByteArray pcm(n * BytePerCampione, Qt::Uninitialized);
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

// What the program finds when it loads this plugin.
extern "C" Q_DECL_EXPORT const PluginSuono::Interfaccia* bussolinoSuono()
{
    static const PluginSuono::Interfaccia interfaccia{
        []() -> ModuloColoriSuoni::Lettore* { return new LettoreAudio; },
        &LettoreAudio::decodifica,
    };
    return &interfaccia;
}
