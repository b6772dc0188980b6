#include "platform/windows/LettoreWinMM.h"

#include "platform/windows/Wav.h"
#include "services/PluginSuono.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {
constexpr int BytePerCampione = 2;  // 16-bit mono
// Four blocks of 50 ms: enough queued at the device to ride out a busy moment. A new answer
// resets the device, so it is heard at once whatever is queued.
constexpr int Blocchi = 4;
constexpr DWORD Blocco = PluginSuono::Frequenza / 20 * BytePerCampione;
}  // namespace

struct LettoreWinMM::Condiviso {
    Condiviso();
    ~Condiviso();

    HANDLE sveglia = nullptr;  // set by the device when a block is played, and by the player
    std::thread filo;

    // The rest only with the mutex held.
    std::mutex mutex;
    std::deque<QByteArray> coda;  // the sound playing first, then those that follow it
    qsizetype scritti = 0;        // bytes of the first already given to the device
    bool taglia = false;          // drop what the device holds
    bool basta = false;           // the player is let go

    void lavora();
    DWORD riempi(char* dove, DWORD n);
};

LettoreWinMM::Condiviso::Condiviso()
{
    sveglia = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (sveglia)
        filo = std::thread([this] { lavora(); });
    else
        std::fprintf(stderr, "bussolino sound: cannot start the player's thread: no sound\n");
}

LettoreWinMM::Condiviso::~Condiviso()
{
    if (!sveglia)
        return;
    {
        std::lock_guard l(mutex);
        basta = true;
    }
    SetEvent(sveglia);
    filo.join();
    CloseHandle(sveglia);
}

DWORD LettoreWinMM::Condiviso::riempi(char* dove, DWORD n)
{
    DWORD fatto = 0;
    while (fatto < n && !coda.empty()) {
        const QByteArray& suono = coda.front();
        const DWORD parte = std::min<DWORD>(n - fatto, DWORD(suono.size() - scritti));
        std::memcpy(dove + fatto, suono.constData() + scritti, parte);
        fatto += parte;
        scritti += parte;
        if (scritti == suono.size()) {
            coda.pop_front();  // a sentence is let go once played
            scritti = 0;
        }
    }
    return fatto;
}

// The feeding thread: the only one that touches the device. It sleeps until a block has been
// played or the player has something new, and gives the device whatever is waiting. The mutex is
// held only to take from the queue, never across a call to the device, so a click never waits.
void LettoreWinMM::Condiviso::lavora()
{
    HWAVEOUT uscita = nullptr;
    std::array<WAVEHDR, Blocchi> blocchi{};
    std::array<std::vector<char>, Blocchi> memoria;
    for (int i = 0; i < Blocchi; ++i) {
        memoria[size_t(i)].resize(Blocco);
        blocchi[size_t(i)].lpData = memoria[size_t(i)].data();
    }
    bool senzaDispositivoDetto = false;
    std::unique_lock l(mutex);
    while (!basta) {
        if (!uscita && !coda.empty()) {
            // Asked for when there is something to play, so a device plugged in later is found.
            l.unlock();
            WAVEFORMATEX formato{};
            formato.wFormatTag = WAVE_FORMAT_PCM;
            formato.nChannels = 1;
            formato.nSamplesPerSec = PluginSuono::Frequenza;
            formato.wBitsPerSample = 8 * BytePerCampione;
            formato.nBlockAlign = BytePerCampione;
            formato.nAvgBytesPerSec = PluginSuono::Frequenza * BytePerCampione;
            const MMRESULT esito = waveOutOpen(&uscita, WAVE_MAPPER, &formato, DWORD_PTR(sveglia), 0, CALLBACK_EVENT);
            l.lock();
            taglia = false;
            if (esito != MMSYSERR_NOERROR) {
                uscita = nullptr;
                coda.clear();
                scritti = 0;
                if (!senzaDispositivoDetto)
                    std::fprintf(stderr, "bussolino sound: no audio device (waveOut error %u): no sound\n", unsigned(esito));
                senzaDispositivoDetto = true;
            } else {
                senzaDispositivoDetto = false;
            }
        }
        if (uscita && taglia) {
            taglia = false;
            l.unlock();
            waveOutReset(uscita);  // every block comes back as played
            l.lock();
            continue;
        }
        for (WAVEHDR& b : blocchi) {
            if (!uscita || (b.dwFlags & WHDR_INQUEUE))
                continue;
            const DWORD n = riempi(b.lpData, Blocco);
            if (n == 0)
                break;
            l.unlock();
            if (b.dwFlags & WHDR_PREPARED)
                waveOutUnprepareHeader(uscita, &b, sizeof b);
            b.dwBufferLength = n;
            b.dwFlags = 0;
            if (waveOutPrepareHeader(uscita, &b, sizeof b) == MMSYSERR_NOERROR)
                waveOutWrite(uscita, &b, sizeof b);
            l.lock();
        }
        if (basta || (uscita && taglia))
            continue;
        l.unlock();
        WaitForSingleObject(sveglia, INFINITE);
        l.lock();
    }
    l.unlock();
    if (uscita) {
        waveOutReset(uscita);
        for (WAVEHDR& b : blocchi)
            if (b.dwFlags & WHDR_PREPARED)
                waveOutUnprepareHeader(uscita, &b, sizeof b);
        waveOutClose(uscita);
    }
}

LettoreWinMM::LettoreWinMM() : condiviso(std::make_unique<Condiviso>()) {}

LettoreWinMM::~LettoreWinMM() = default;

// Only the mutex is taken here, for a moment: a click never waits for the device.
void LettoreWinMM::suona(const QString& percorso)
{
    const QByteArray pcm = decodificato(percorso, true);
    if (pcm.isEmpty() || !condiviso->sveglia) {
        MessageBeep(MB_OK);
        return;
    }
    {
        std::lock_guard l(condiviso->mutex);
        condiviso->coda = {pcm};
        condiviso->scritti = 0;
        condiviso->taglia = true;
    }
    SetEvent(condiviso->sveglia);
}

void LettoreWinMM::accoda(const QString& percorso)
{
    const QByteArray pcm = decodificato(percorso, false);
    if (pcm.isEmpty() || !condiviso->sveglia)
        return;
    {
        std::lock_guard l(condiviso->mutex);
        condiviso->coda.push_back(pcm);
    }
    SetEvent(condiviso->sveglia);
}

void LettoreWinMM::ferma()
{
    if (!condiviso->sveglia)
        return;
    {
        std::lock_guard l(condiviso->mutex);
        condiviso->coda.clear();
        condiviso->scritti = 0;
        condiviso->taglia = true;
    }
    SetEvent(condiviso->sveglia);
}

// What the program finds when it loads this plugin.
extern "C" Q_DECL_EXPORT const PluginSuono::Interfaccia* bussolinoSuono()
{
    static const PluginSuono::Interfaccia interfaccia{
        []() -> ModuloColoriSuoni::Lettore* { return new LettoreWinMM; },
        &Wav::decodifica,
    };
    return &interfaccia;
}
