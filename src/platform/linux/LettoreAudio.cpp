#include "platform/linux/LettoreAudio.h"

#include "services/Campioni.h"
#include "services/PluginSuono.h"

#include <QApplication>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <pulse/pulseaudio.h>
#include <sndfile.h>
#include <vector>

namespace {
constexpr int Frequenza = PluginSuono::Frequenza;
constexpr int BytePerCampione = 2;  // 16-bit mono
// The server asks for 10 ms at a time and keeps about 50 ms queued, enough to ride out a busy
// moment; a new answer drops what is queued there, so it is heard at once.
constexpr int Blocco = Frequenza / 100 * BytePerCampione;
constexpr uint32_t InCoda = Frequenza * 5 / 100 * BytePerCampione;

// PulseAudio's lock, held while this lives; its thread holds it for every callback.
class Serratura {
public:
    explicit Serratura(pa_threaded_mainloop* ciclo) : ciclo(ciclo) { pa_threaded_mainloop_lock(ciclo); }
    ~Serratura() { pa_threaded_mainloop_unlock(ciclo); }
    Serratura(const Serratura&) = delete;
    Serratura& operator=(const Serratura&) = delete;

private:
    pa_threaded_mainloop* ciclo;
};
}  // namespace

struct LettoreAudio::Condiviso {
    explicit Condiviso(QObject* ricevitore);
    ~Condiviso();

    pa_threaded_mainloop* ciclo = nullptr;  // PulseAudio's thread; none when it could not start
    QObject* const ricevitore;

    // The rest only with the lock held.
    pa_context* contesto = nullptr;  // the connection, from when it is asked for until it is lost
    pa_stream* flusso = nullptr;
    bool pronto = false;             // the stream plays what is queued
    std::deque<QByteArray> coda;     // the sound playing first, then those that follow it
    qsizetype scritti = 0;           // bytes of the first already written
    bool avvisa = false;             // an answer is waiting: if no stream can be had, beep for it
    bool senzaServerDetto = false;
    std::vector<pa_context*> persi;  // connections lost, let go outside their own callbacks

    void apri();
    void apriFlusso();
    void svuota();
    void perdi(const char* motivo);
    void stacca();
    void lasciaPersi();
    void riempi(char* dove, size_t n);
    static void statoContesto(pa_context* c, void* dati);
    static void statoFlusso(pa_stream* s, void* dati);
    static void richiesta(pa_stream* s, size_t quanti, void* dati);
};

LettoreAudio::LettoreAudio()
{
    // Made on the loading thread; its alert sounds belong to the user-interface thread. Moved
    // before PulseAudio's thread can post one to it.
    if (QCoreApplication::instance())
        ricevitore.moveToThread(QCoreApplication::instance()->thread());
    condiviso = std::make_unique<Condiviso>(&ricevitore);
}

LettoreAudio::~LettoreAudio() = default;

LettoreAudio::Condiviso::Condiviso(QObject* ricevitore) : ricevitore(ricevitore)
{
    ciclo = pa_threaded_mainloop_new();
    if (ciclo && pa_threaded_mainloop_start(ciclo) < 0) {
        pa_threaded_mainloop_free(ciclo);
        ciclo = nullptr;
    }
    if (!ciclo) {
        std::fprintf(stderr, "bussolino sound: no sound server (PulseAudio's thread cannot start): the alert sound instead\n");
        return;
    }
    // The stream is asked for at once, so the first answer is quick.
    Serratura s(ciclo);
    apri();
}

LettoreAudio::Condiviso::~Condiviso()
{
    if (!ciclo)
        return;
    {
        // Dropping the connection only closes it on this side: nothing here waits for the
        // server, held still, gone or hanging.
        Serratura s(ciclo);
        stacca();
        lasciaPersi();
    }
    pa_threaded_mainloop_stop(ciclo);
    pa_threaded_mainloop_free(ciclo);
}

// Asks for a connection; the stream follows once the server has taken it.
void LettoreAudio::Condiviso::apri()
{
    lasciaPersi();
    contesto = pa_context_new(pa_threaded_mainloop_get_api(ciclo), "Bussolino");
    if (!contesto) {
        perdi("cannot make a connection");
        return;
    }
    pa_context_set_state_callback(contesto, statoContesto, this);
    // Where there is no server this fails at once, often through the callback already.
    if (pa_context_connect(contesto, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0 && contesto)
        perdi(pa_strerror(pa_context_errno(contesto)));
}

void LettoreAudio::Condiviso::apriFlusso()
{
    const pa_sample_spec formato{PA_SAMPLE_S16LE, Frequenza, 1};
    pa_buffer_attr attributi{};
    attributi.maxlength = uint32_t(-1);
    attributi.tlength = InCoda;
    attributi.prebuf = uint32_t(-1);
    attributi.minreq = Blocco;
    attributi.fragsize = uint32_t(-1);
    flusso = pa_stream_new(contesto, "risposte", &formato, nullptr);
    if (!flusso) {
        perdi(pa_strerror(pa_context_errno(contesto)));
        return;
    }
    pa_stream_set_state_callback(flusso, statoFlusso, this);
    pa_stream_set_write_callback(flusso, richiesta, this);
    // The 50 ms count the sound server's own buffer too: that is how soon an answer is heard.
    if (pa_stream_connect_playback(flusso, nullptr, &attributi, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        perdi(pa_strerror(pa_context_errno(contesto)));
}

void LettoreAudio::Condiviso::statoContesto(pa_context* c, void* dati)
{
    auto* d = static_cast<Condiviso*>(dati);
    switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY:
        d->apriFlusso();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        d->perdi(pa_strerror(pa_context_errno(c)));
        break;
    default:
        break;
    }
}

void LettoreAudio::Condiviso::statoFlusso(pa_stream* s, void* dati)
{
    auto* d = static_cast<Condiviso*>(dati);
    switch (pa_stream_get_state(s)) {
    case PA_STREAM_READY:
        d->pronto = true;
        d->avvisa = false;
        d->senzaServerDetto = false;
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        d->perdi(pa_strerror(pa_context_errno(d->contesto)));
        break;
    default:
        break;
    }
}

// The server wants more: the sounds waiting, silence when there are none, so that a new sound
// starts within one request.
void LettoreAudio::Condiviso::richiesta(pa_stream* s, size_t quanti, void* dati)
{
    auto* d = static_cast<Condiviso*>(dati);
    while (quanti > 0) {
        void* dove = nullptr;
        size_t n = quanti;
        if (pa_stream_begin_write(s, &dove, &n) < 0 || !dove || n == 0)
            return;
        n = std::min(n, quanti);
        d->riempi(static_cast<char*>(dove), n);
        if (pa_stream_write(s, dove, n, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        quanti -= n;
    }
}

void LettoreAudio::Condiviso::riempi(char* dove, size_t n)
{
    size_t fatto = 0;
    while (fatto < n && !coda.empty()) {
        const QByteArray& suono = coda.front();
        const size_t parte = std::min(n - fatto, size_t(suono.size() - scritti));
        std::memcpy(dove + fatto, suono.constData() + scritti, parte);
        fatto += parte;
        scritti += qsizetype(parte);
        if (scritti == suono.size()) {
            coda.pop_front();  // a sentence is let go once played
            scritti = 0;
        }
    }
    std::memset(dove + fatto, 0, n - fatto);
}

// Drops what the server still holds of the sounds before; it asks for the new ones at once.
void LettoreAudio::Condiviso::svuota()
{
    if (pa_operation* o = pa_stream_flush(flusso, nullptr, nullptr))
        pa_operation_unref(o);
}

// The connection went, or never came: said, and forgotten; the next sound asks for a new one.
void LettoreAudio::Condiviso::perdi(const char* motivo)
{
    if (pronto) {
        std::fprintf(stderr, "bussolino sound: the stream broke (%s)\n", motivo);
    } else if (avvisa) {
        // What was asked for cannot be heard: the platform's alert says the answer was taken.
        // Said once an outage, and apart from the lines about the program's own files.
        if (!senzaServerDetto)
            std::fprintf(stderr, "bussolino sound: no sound server (%s): the alert sound instead\n", motivo);
        senzaServerDetto = true;
        QMetaObject::invokeMethod(ricevitore, [] { QApplication::beep(); }, Qt::QueuedConnection);
    }
    pronto = avvisa = false;
    coda.clear();
    scritti = 0;
    stacca();
    // Let go of it once the callback that told of it has returned.
    pa_mainloop_api_once(
        pa_threaded_mainloop_get_api(ciclo), [](pa_mainloop_api*, void* dati) { static_cast<Condiviso*>(dati)->lasciaPersi(); },
        this);
}

// Nothing of the stream or the connection calls back any more.
void LettoreAudio::Condiviso::stacca()
{
    pronto = false;
    if (flusso) {
        pa_stream_set_state_callback(flusso, nullptr, nullptr);
        pa_stream_set_write_callback(flusso, nullptr, nullptr);
        pa_stream_unref(flusso);
        flusso = nullptr;
    }
    if (contesto) {
        pa_context_set_state_callback(contesto, nullptr, nullptr);
        persi.push_back(contesto);
        contesto = nullptr;
    }
}

void LettoreAudio::Condiviso::lasciaPersi()
{
    for (pa_context* c : persi) {
        pa_context_disconnect(c);
        pa_context_unref(c);
    }
    persi.clear();
}

// Only the lock is taken here, for a moment: a click never waits for the server.
void LettoreAudio::suona(const QString& percorso)
{
    const QByteArray pcm = decodificato(percorso, true);
    if (pcm.isEmpty() || !condiviso->ciclo) {
        QApplication::beep();
        return;
    }
    Condiviso& c = *condiviso;
    Serratura s(c.ciclo);
    c.coda = {pcm};
    c.scritti = 0;
    if (c.pronto) {
        c.svuota();
    } else {
        c.avvisa = true;
        if (!c.contesto)
            c.apri();
    }
}

void LettoreAudio::accoda(const QString& percorso)
{
    const QByteArray pcm = decodificato(percorso, false);
    if (pcm.isEmpty() || !condiviso->ciclo)
        return;
    Condiviso& c = *condiviso;
    Serratura s(c.ciclo);
    c.coda.push_back(pcm);
    if (!c.contesto)
        c.apri();
}

void LettoreAudio::ferma()
{
    Condiviso& c = *condiviso;
    if (!c.ciclo)
        return;
    Serratura s(c.ciclo);
    c.coda.clear();
    c.scritti = 0;
    if (c.pronto)
        c.svuota();
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
    const sf_count_t voluti = std::min<sf_count_t>(info.frames, Campioni::SecondiMassimi * info.samplerate);
    std::vector<float> letti(size_t(std::max<sf_count_t>(0, voluti)) * size_t(std::max(1, info.channels)));
    const sf_count_t avuti = info.channels > 0 ? sf_readf_float(f, letti.data(), voluti) : 0;
    sf_close(f);
    if (avuti <= 0 || info.samplerate <= 0) {
        if (problema)
            *problema = QStringLiteral("no sound in the file");
        return {};
    }
    // Mixed to mono, then resampled linearly to the stream's rate.
    return Campioni::aMono16(letti, avuti, info.channels, info.samplerate);
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
