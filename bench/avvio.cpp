// Start-up of the real program against a bare Qt Widgets window, watched from outside through the
// X server: from just before exec to the first top-level window mapped, and to that window painted
// all over, as the X DAMAGE extension reports what is drawn into it. Each program is started
// once unmeasured, then they take turns, so a drift of the machine weighs on all alike.
//   bench_avvio <rounds> <program> <bare window> [<bare window + the program's libraries>]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <spawn.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {
double adesso() { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

struct Finestra {
    int w = 0, h = 0;
    std::vector<char> coperto;  // pixels drawn since it was mapped
    long mancanti = -1;         // -1: not mapped yet
};

// One start: ms from exec to the first window mapped and to it painted; {-1, -1} after 20 s.
std::pair<double, double> avvio(Display* d, int eventoDamage, const char* programma)
{
    std::map<Window, Finestra> finestre;
    Window prima = 0;
    double mappata = -1, dipinta = -1;
    const double t0 = adesso();
    pid_t pid;
    char* argv[] = {const_cast<char*>(programma), nullptr};
    if (posix_spawn(&pid, programma, nullptr, nullptr, argv, environ) != 0)
        return {-1, -1};
    while (dipinta < 0 && adesso() - t0 < 20000) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == CreateNotify && e.xcreatewindow.parent == DefaultRootWindow(d)) {
                finestre[e.xcreatewindow.window] = {e.xcreatewindow.width, e.xcreatewindow.height, {}, -1};
                XDamageCreate(d, e.xcreatewindow.window, XDamageReportRawRectangles);
            } else if (e.type == ConfigureNotify && finestre.count(e.xconfigure.window) && finestre[e.xconfigure.window].mancanti < 0) {
                finestre[e.xconfigure.window].w = e.xconfigure.width, finestre[e.xconfigure.window].h = e.xconfigure.height;
            } else if (e.type == MapNotify && !prima && finestre.count(e.xmap.window) && finestre[e.xmap.window].w > 1) {
                Finestra& f = finestre[prima = e.xmap.window];
                f.coperto.assign(size_t(f.w) * f.h, 0), f.mancanti = long(f.w) * f.h;
                mappata = adesso() - t0;
            } else if (e.type == eventoDamage + XDamageNotify) {
                const auto& n = reinterpret_cast<XDamageNotifyEvent&>(e);
                if (n.drawable != prima)
                    continue;
                Finestra& f = finestre[prima];
                for (int y = std::max(0, int(n.area.y)); y < std::min(f.h, n.area.y + n.area.height); ++y)
                    for (int x = std::max(0, int(n.area.x)); x < std::min(f.w, n.area.x + n.area.width); ++x)
                        f.mancanti -= !f.coperto[size_t(y) * f.w + x], f.coperto[size_t(y) * f.w + x] = 1;
                if (f.mancanti == 0)
                    dipinta = adesso() - t0;
            }
        }
        fd_set s;
        FD_ZERO(&s);
        FD_SET(ConnectionNumber(d), &s);
        timeval attesa{0, 20000};
        select(ConnectionNumber(d) + 1, &s, nullptr, nullptr, &attesa);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XSync(d, True);  // its windows' events go with it
    return {mappata, dipinta};
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}
}  // namespace

int main(int argc, char** argv)
{
    Display* d = XOpenDisplay(nullptr);
    int eventoDamage, errore;
    if (argc < 4 || !d || !XDamageQueryExtension(d, &eventoDamage, &errore)) {
        std::fprintf(stderr, "usage: bench_avvio <rounds> <program> <bare window> [<bare window + libraries>], on an X display with DAMAGE\n");
        return 2;
    }
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    const int giri = std::atoi(argv[1]), n = argc - 2;
    std::vector<std::vector<double>> mappate(n), dipinte(n);
    for (int i = -1; i < giri; ++i)
        for (int k = 0; k < n; ++k) {
            const int j = (std::max(i, 0) + k) % n;
            const auto [m, p] = avvio(d, eventoDamage, argv[2 + j]);
            if (i >= 0 && p >= 0)
                mappate[j].push_back(m), dipinte[j].push_back(p);
        }
    const char* nomi[] = {"program", "bare window", "bare window + the program's libraries"};
    std::printf("start-up, %d starts of each taking turns (exec -> first window mapped -> painted all over):\n", giri);
    for (int j = 0; j < n; ++j)
        std::printf("  %-38s mapped %7.1f ms   painted %7.1f ms   (median of %zu)\n", nomi[j], mediana(mappate[j]), mediana(dipinte[j]), dipinte[j].size());
    const double rapporto = mediana(dipinte[0]) / mediana(dipinte[1]);
    std::printf("  ratio program / bare window, painted: %.2f x  (target within 1.30 x: %s)\n", rapporto, rapporto <= 1.3 ? "met" : "MISSED");
    if (n > 2)
        std::printf("  of the %.1f ms between them, loading the program's libraries takes %.1f ms\n",
                    mediana(dipinte[0]) - mediana(dipinte[1]), mediana(dipinte[2]) - mediana(dipinte[1]));
    return 0;
}
