#include "services/Lavori.h"

#include <atomic>
#include <cassert>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include <pthread.h>

namespace Lavori {

namespace {

struct Filo {
    std::deque<std::function<void()>> coda;
    std::thread thread;
    bool attivo = false;  // its thread runs: it has work, or is finishing the last of it
};

struct Stato {
    std::mutex mutex;
    std::condition_variable finito;  // a thread ran out of work
    std::map<std::string, Filo> fili;
    std::atomic<bool> basta{false};
};

// Never destroyed: should the program be ended some other way than by its own quit (Qt ends it
// at once when the display goes away), a thread still running must not find its state gone.
Stato& stato()
{
    static Stato* s = new Stato;
    return *s;
}

thread_local bool suUnFilo = false;

void lavora(Stato& s, Filo& f)
{
    suUnFilo = true;
    std::unique_lock l(s.mutex);
    while (!f.coda.empty() && !s.basta) {
        std::function<void()> lavoro = std::move(f.coda.front());
        f.coda.pop_front();
        l.unlock();
        lavoro();
        lavoro = nullptr;  // what it holds is let go here, not under the lock
        l.lock();
    }
    std::deque<std::function<void()>> lasciati;
    lasciati.swap(f.coda);
    f.attivo = false;
    s.finito.notify_all();
    l.unlock();
}

}  // namespace

void esegui(const char* nome, std::function<void()> lavoro)
{
    Stato& s = stato();
    std::lock_guard l(s.mutex);
    if (s.basta)
        return;
    Filo& f = s.fili[nome];
    f.coda.push_back(std::move(lavoro));
    if (f.attivo)
        return;
    // The thread of the last batch has let go of the lock for good: joining it waits for nothing.
    if (f.thread.joinable())
        f.thread.join();
    f.attivo = true;
    f.thread = std::thread(lavora, std::ref(s), std::ref(f));
    // Named, so a debugger and `top -H` tell the program's threads apart (15 characters at most).
    pthread_setname_np(f.thread.native_handle(), std::string(nome).substr(0, 15).c_str());
}

bool fermato()
{
    return stato().basta;
}

void attendi(const char* nome)
{
    Stato& s = stato();
    std::unique_lock l(s.mutex);
    const auto f = s.fili.find(nome);
    if (f != s.fili.end())
        s.finito.wait(l, [&] { return !f->second.attivo; });
}

void fermaTutti()
{
    assert(!suUnFilo && "a thread cannot wait for itself");
    Stato& s = stato();
    std::vector<std::thread> fili;
    std::vector<std::function<void()>> lasciati;
    {
        std::lock_guard l(s.mutex);
        s.basta = true;
        for (auto& [nome, f] : s.fili) {
            for (auto& lavoro : f.coda)
                lasciati.push_back(std::move(lavoro));
            f.coda.clear();
            if (f.thread.joinable())
                fili.push_back(std::move(f.thread));
        }
    }
    lasciati.clear();
    for (std::thread& t : fili)
        t.join();
    s.basta = false;
}

}  // namespace Lavori
