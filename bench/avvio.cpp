// Start-up and memory of the real program, watched from outside through the X server, against
// a bare Qt Widgets window started the same way in the same run.
//
//   bench_avvio start <rounds> <program> <bare window> [<bare window + the program's libraries>]
//     Starts each in turn (taking turns, after one unmeasured start of each), and times from just
//     before exec to the first top-level window mapped, and to that window painted all over.
//     "Painted" is read from the X DAMAGE extension: a damage object is made on every top-level
//     window as soon as it is created, before it can be mapped, and the window counts as painted
//     when the rectangles drawn into it since its mapping cover it whole. Times are taken on
//     the monotonic clock when the watcher reads the event: microseconds, plus the event's trip.
//
//   bench_avvio tour <program> <bare window> <positions>
//     Resident memory (VmRSS) of the program after a tour of all eleven exercises, driven with
//     xdotool clicks at the places bench_posizioni printed: "Avvio", then for each exercise its
//     menu button, one answer, "Esci" and Return on "Vuoi tornare al menù?". Against the bare
//     window's VmRSS once shown.
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Orologio = std::chrono::steady_clock;
template <class D>
double Ms(D d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

[[noreturn]] void Muori(const std::string& perche)
{
    std::fprintf(stderr, "bench_avvio: %s\n", perche.c_str());
    std::exit(1);
}

// --- The DAMAGE extension, spoken directly: Debian ships no development files for xcb-damage.
xcb_extension_t Damage = {"DAMAGE", 0};
uint8_t primoEventoDamage = 0;

void DamageQueryVersion(xcb_connection_t* c)
{
    struct {
        uint8_t major, minor;
        uint16_t length;
        uint32_t versione, revisione;
    } req{0, 0, 0, 1, 1};
    struct iovec parti[4];
    parti[2] = {&req, sizeof req};
    parti[3] = {nullptr, 0};
    xcb_protocol_request_t p{2, &Damage, 0 /* QueryVersion */, 0};
    const unsigned seq = xcb_send_request(c, XCB_REQUEST_CHECKED, parti + 2, &p);
    xcb_generic_error_t* err = nullptr;
    void* risposta = xcb_wait_for_reply(c, seq, &err);
    if (!risposta)
        Muori("the X server refused DAMAGE QueryVersion");
    std::free(risposta);
}

void DamageCreate(xcb_connection_t* c, xcb_window_t finestra)
{
    struct {
        uint8_t major, minor;
        uint16_t length;
        uint32_t damage, drawable;
        uint8_t livello, pad[3];
    } req{0, 0, 0, xcb_generate_id(c), finestra, 0 /* raw rectangles */, {0, 0, 0}};
    struct iovec parti[4];
    parti[2] = {&req, sizeof req};
    parti[3] = {nullptr, 0};
    xcb_protocol_request_t p{2, &Damage, 1 /* Create */, 1};
    xcb_send_request(c, 0, parti + 2, &p);  // an input-only window answers BadMatch: ignored
}

struct DamageNotify {
    uint8_t tipo, livello;
    uint16_t sequenza;
    uint32_t drawable, damage, tempo;
    int16_t x, y;
    uint16_t w, h;
    int16_t gx, gy;
    uint16_t gw, gh;
};

// --- Watching the top-level windows come and go.
struct Finestra {
    uint16_t w = 0, h = 0;
    bool mappata = false;
    std::optional<Orologio::time_point> quandoMappata, quandoDipinta;
    std::vector<uint8_t> coperto;
    long mancanti = 0;
};

class Osservatore {
public:
    Osservatore()
    {
        c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c))
            Muori("cannot reach the X server (DISPLAY)");
        radice = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const xcb_query_extension_reply_t* d = xcb_get_extension_data(c, &Damage);
        if (!d || !d->present)
            Muori("the X server has no DAMAGE extension");
        primoEventoDamage = d->first_event;
        DamageQueryVersion(c);
        const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, radice, XCB_CW_EVENT_MASK, &maschera);
        xcb_flush(c);
    }
    ~Osservatore() { xcb_disconnect(c); }

    // Reads events until `fatto` says so or the time is up; false when the time ran out.
    template <class F>
    bool Attendi(F fatto, double secondi)
    {
        const auto fine = Orologio::now() + std::chrono::duration_cast<Orologio::duration>(std::chrono::duration<double>(secondi));
        while (!fatto()) {
            xcb_generic_event_t* e = xcb_poll_for_event(c);
            if (!e) {
                const int resto = int(Ms(fine - Orologio::now()));
                if (resto <= 0)
                    return false;
                pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
                ::poll(&p, 1, std::min(resto, 100));
                continue;
            }
            Tratta(e, Orologio::now());
            std::free(e);
        }
        return true;
    }

    // The first window mapped after `dopo`, and when it was painted.
    std::optional<xcb_window_t> PrimaMappata(Orologio::time_point dopo) const
    {
        std::optional<xcb_window_t> scelta;
        for (const auto& [id, f] : finestre)
            if (f.quandoMappata && *f.quandoMappata >= dopo && f.w > 1 && f.h > 1
                && (!scelta || *f.quandoMappata < *finestre.at(*scelta).quandoMappata))
                scelta = id;
        return scelta;
    }
    const Finestra& Di(xcb_window_t id) const { return finestre.at(id); }
    std::string Titolo(xcb_window_t id)
    {
        xcb_intern_atom_cookie_t ck = xcb_intern_atom(c, 0, 12, "_NET_WM_NAME");
        xcb_intern_atom_reply_t* a = xcb_intern_atom_reply(c, ck, nullptr);
        std::string t;
        if (a) {
            xcb_get_property_reply_t* r =
                xcb_get_property_reply(c, xcb_get_property(c, 0, id, a->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
            if (r) {
                t.assign(static_cast<const char*>(xcb_get_property_value(r)), size_t(xcb_get_property_value_length(r)));
                std::free(r);
            }
            std::free(a);
        }
        return t;
    }
    void Dimentica() { finestre.clear(); }

private:
    void Tratta(xcb_generic_event_t* e, Orologio::time_point ora)
    {
        const uint8_t tipo = e->response_type & 0x7F;
        if (tipo == XCB_CREATE_NOTIFY) {
            auto* n = reinterpret_cast<xcb_create_notify_event_t*>(e);
            if (n->parent != radice)
                return;
            Finestra& f = finestre[n->window];
            f = Finestra{};
            f.w = n->width, f.h = n->height;
            DamageCreate(c, n->window);
            xcb_flush(c);
        } else if (tipo == XCB_CONFIGURE_NOTIFY) {
            auto* n = reinterpret_cast<xcb_configure_notify_event_t*>(e);
            auto it = finestre.find(n->window);
            if (it != finestre.end() && !it->second.mappata)
                it->second.w = n->width, it->second.h = n->height;
        } else if (tipo == XCB_MAP_NOTIFY) {
            auto* n = reinterpret_cast<xcb_map_notify_event_t*>(e);
            auto it = finestre.find(n->window);
            if (it == finestre.end() || it->second.mappata)
                return;
            Finestra& f = it->second;
            f.mappata = true;
            f.quandoMappata = ora;
            f.coperto.assign(size_t(f.w) * f.h, 0);
            f.mancanti = long(f.w) * f.h;
        } else if (tipo == XCB_DESTROY_NOTIFY) {
            finestre.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(e)->window);
        } else if (primoEventoDamage && tipo == primoEventoDamage) {
            auto* n = reinterpret_cast<DamageNotify*>(e);
            auto it = finestre.find(n->drawable);
            if (it == finestre.end() || !it->second.mappata || it->second.quandoDipinta)
                return;
            Finestra& f = it->second;
            const int x0 = std::max(0, int(n->x)), y0 = std::max(0, int(n->y));
            const int x1 = std::min(int(f.w), n->x + n->w), y1 = std::min(int(f.h), n->y + n->h);
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    uint8_t& p = f.coperto[size_t(y) * f.w + size_t(x)];
                    f.mancanti -= !p;
                    p = 1;
                }
            if (f.mancanti == 0)
                f.quandoDipinta = ora;
        }
    }

    xcb_connection_t* c;
    xcb_window_t radice;
    std::map<xcb_window_t, Finestra> finestre;
};

pid_t Lancia(const std::string& programma)
{
    pid_t pid;
    char* argv[] = {const_cast<char*>(programma.c_str()), nullptr};
    if (posix_spawn(&pid, programma.c_str(), nullptr, nullptr, argv, environ) != 0)
        Muori("cannot start " + programma);
    return pid;
}

void Ferma(pid_t pid)
{
    ::kill(pid, SIGTERM);
    int stato;
    ::waitpid(pid, &stato, 0);
}

struct Avvio {
    double mappata, dipinta;
};

// One start: exec to mapped and to painted, in ms; nothing when it did not show in 20 s.
std::optional<Avvio> UnAvvio(Osservatore& o, const std::string& programma)
{
    o.Dimentica();
    const auto t0 = Orologio::now();
    const pid_t pid = Lancia(programma);
    std::optional<xcb_window_t> w;
    const bool ok = o.Attendi(
        [&] {
            w = o.PrimaMappata(t0);
            return w && o.Di(*w).quandoDipinta;
        },
        20);
    std::optional<Avvio> r;
    if (ok)
        r = Avvio{Ms(*o.Di(*w).quandoMappata - t0), Ms(*o.Di(*w).quandoDipinta - t0)};
    Ferma(pid);
    o.Attendi([] { return false; }, 0.15);  // let its windows go
    return r;
}

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int Partenza(int giri, const std::vector<std::string>& programmi)
{
    static const char* nomi[] = {"program", "bare window", "bare window + the program's libraries"};
    const size_t n = programmi.size();
    Osservatore o;
    // One unmeasured start of each fills the file cache and the font cache.
    for (const std::string& p : programmi)
        UnAvvio(o, p);
    std::vector<std::vector<double>> mappate(n), dipinte(n);
    int falliti = 0;
    for (int i = 0; i < giri; ++i) {
        // Each round starts with a different one, so a drift of the machine weighs on all alike.
        for (size_t k = 0; k < n; ++k) {
            const size_t j = (size_t(i) + k) % n;
            const auto r = UnAvvio(o, programmi[j]);
            if (!r) {
                ++falliti;
                continue;
            }
            mappate[j].push_back(r->mappata);
            dipinte[j].push_back(r->dipinta);
        }
    }
    for (size_t j = 0; j < n; ++j)
        if (dipinte[j].empty())
            Muori("no start of " + programmi[j] + " was seen painted");
    std::printf("start-up, %d starts of each taking turns (exec -> first window mapped -> painted all over):\n", giri);
    for (size_t j = 0; j < n; ++j)
        std::printf("  %-38s mapped %7.1f ms   painted %7.1f ms   (median of %zu)\n", nomi[j], Mediana(mappate[j]),
                    Mediana(dipinte[j]), dipinte[j].size());
    const double rapporto = Mediana(dipinte[0]) / Mediana(dipinte[1]);
    std::printf("  ratio program / bare window, painted: %.2f x  (target within 1.30 x: %s)\n", rapporto,
                rapporto <= 1.3 ? "met" : "MISSED");
    if (n > 2)
        std::printf("  of the %.1f ms between them, loading the program's libraries takes %.1f ms\n",
                    Mediana(dipinte[0]) - Mediana(dipinte[1]), Mediana(dipinte[2]) - Mediana(dipinte[1]));
    if (falliti)
        std::printf("  %d starts not seen painted within 20 s were left out\n", falliti);
    return 0;
}

long VmRSS(pid_t pid)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string riga;
    while (std::getline(f, riga))
        if (riga.rfind("VmRSS:", 0) == 0)
            return std::atol(riga.c_str() + 6);
    return -1;
}

void Xdotool(const std::string& argomenti)
{
    const std::string cmd = "xdotool " + argomenti;
    if (std::system(cmd.c_str()) != 0)
        Muori("failed: " + cmd);
}

void Clicca(xcb_window_t w, int x, int y)
{
    Xdotool("mousemove --window " + std::to_string(w) + " " + std::to_string(x) + " " + std::to_string(y)
            + " click 1");
}

// Waits for the next window mapped and painted after `dopo`; its id.
xcb_window_t Prossima(Osservatore& o, Orologio::time_point dopo, const std::string& cosa)
{
    std::optional<xcb_window_t> w;
    if (!o.Attendi(
            [&] {
                w = o.PrimaMappata(dopo);
                return w && o.Di(*w).quandoDipinta;
            },
            60))
        Muori("no window came for " + cosa);
    return *w;
}

int Giro(const std::string& programma, const std::string& nudo, const std::string& posizioni)
{
    struct Esercizio {
        int mx, my, rx, ry, ex, ey;
        std::string titolo;
    };
    int ax = 0, ay = 0;
    std::vector<Esercizio> esercizi;
    std::ifstream f(posizioni);
    std::string riga;
    while (std::getline(f, riga)) {
        std::istringstream s(riga);
        std::string tipo;
        s >> tipo;
        if (tipo == "avvio") {
            s >> ax >> ay;
        } else if (tipo == "esercizio") {
            Esercizio e;
            s >> e.mx >> e.my >> e.rx >> e.ry >> e.ex >> e.ey;
            std::getline(s >> std::ws, e.titolo);
            esercizi.push_back(e);
        }
    }
    if (esercizi.size() != 11)
        Muori("expected eleven exercises in " + posizioni);

    Osservatore o;
    // The bare window: shown, settled.
    auto t = Orologio::now();
    pid_t pid = Lancia(nudo);
    Prossima(o, t, "the bare window");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long nudoKb = VmRSS(pid);
    Ferma(pid);
    o.Dimentica();

    t = Orologio::now();
    pid = Lancia(programma);
    xcb_window_t w = Prossima(o, t, "the title screen");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long titoloKb = VmRSS(pid);
    t = Orologio::now();
    Clicca(w, ax, ay);
    w = Prossima(o, t, "the menu");
    for (const Esercizio& e : esercizi) {
        t = Orologio::now();
        Clicca(w, e.mx, e.my);
        w = Prossima(o, t, e.titolo);
        const std::string titolo = o.Titolo(w);
        if (titolo != e.titolo)
            Muori("the menu opened \"" + titolo + "\" instead of \"" + e.titolo + "\"");
        Clicca(w, e.rx, e.ry);  // one answer: a face, a count, a sound
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        t = Orologio::now();
        Clicca(w, e.ex, e.ey);
        const xcb_window_t domanda = Prossima(o, t, "\"Vuoi tornare al menù?\"");
        if (o.Titolo(domanda) != "Bussolino")
            Muori("\"Esci\" opened \"" + o.Titolo(domanda) + "\" instead of its question");
        t = Orologio::now();
        Xdotool("key Return");  // the question has the keyboard: Sì is its default
        w = Prossima(o, t, "the menu after " + e.titolo);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long giroKb = VmRSS(pid);
    Ferma(pid);

    const double diff = (giroKb - nudoKb) / 1024.0;
    std::printf("resident memory (VmRSS):\n");
    std::printf("  bare window, shown            %7.1f MB\n", nudoKb / 1024.0);
    std::printf("  program, title screen shown   %7.1f MB\n", titoloKb / 1024.0);
    std::printf("  program, after all 11 exercises %5.1f MB  = bare window + %.1f MB (target within + 25 MB: %s)\n",
                giroKb / 1024.0, diff, diff <= 25 ? "met" : "MISSED");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    const std::string modo = argc > 1 ? argv[1] : "";
    if (modo == "start" && (argc == 5 || argc == 6))
        return Partenza(std::atoi(argv[2]), std::vector<std::string>(argv + 3, argv + argc));
    if (modo == "tour" && argc == 5)
        return Giro(argv[2], argv[3], argv[4]);
    std::fprintf(stderr,
                 "usage: bench_avvio start <rounds> <program> <bare window> [<bare window + libraries>]\n"
                 "       bench_avvio tour <program> <bare window> <positions from bench_posizioni>\n");
    return 2;
}
