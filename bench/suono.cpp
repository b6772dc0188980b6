// Answer click to the first audible sample: a real answer click on "Vero e falso 1" with the
// program's own sound player, into a PulseAudio null sink whose monitor this program records
// itself with parec (tests/support/privato --suono sets the server up).
//
// Clocks: the sink plays in real time, so the recording is a clock. At the click we note the
// bytes received so far and when the last of them arrived; the sample the sink was playing at
// the click is then that many bytes on, plus the time since that arrival. The first sample at
// least 33 (-60 dBFS) after it is the first audible one. The figure counts the recorder's own
// delivery delay against the program, so it errs on the slow side by at most one recorder block.
#include "support/Aiuto.h"

#include "Applicazione.h"
#include "framework/Registro.h"
#include "services/Casuale.h"
#include "services/Figure.h"
#include "services/ModuloColoriSuoni.h"
#include "services/Modulo1.h"
#include "services/Percorsi.h"
#include "services/PluginSuono.h"
#include "framework/Schermata.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Fs = 44100;
constexpr int Soglia = 33;
constexpr int Prove = 21;

QElapsedTimer orologio;
double Adesso() { return orologio.nsecsElapsed() / 1e6; }  // ms

struct Registratore {
    QProcess parec;
    QByteArray dati;
    std::vector<std::pair<double, qsizetype>> arrivi;  // (ms, bytes received by then)

    void Avvia()
    {
        QObject::connect(&parec, &QProcess::readyReadStandardOutput, [this] {
            dati += parec.readAllStandardOutput();
            arrivi.emplace_back(Adesso(), dati.size());
        });
        parec.start("parec", {"--raw", "-d", "nullsink.monitor", "--format=s16le", "--rate=44100", "--channels=1",
                              "--latency-msec=2"});
        if (!parec.waitForStarted(5000)) {
            std::fprintf(stderr, "bench_suono: cannot start parec\n");
            std::exit(1);
        }
    }
    qsizetype campioni() const { return dati.size() / 2; }
    int16_t campione(qsizetype i) const { return reinterpret_cast<const int16_t*>(dati.constData())[i]; }
    bool silenzioDa(qsizetype da) const
    {
        for (qsizetype i = da; i < campioni(); ++i)
            if (std::abs(campione(i)) >= Soglia)
                return false;
        return true;
    }
};

void Attendi(double ms, const std::function<bool()>& fatto = [] { return false; })
{
    const double fine = Adesso() + ms;
    while (Adesso() < fine && !fatto())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says at every window that it cannot raise it: noise here.
    qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
        if (!m.startsWith(QLatin1String("This plugin does not support")))
            qt_message_output(t, c, m);
    });
    QApplication app(argc, argv);
    Applicazione::prepara(app);
    PluginSuono::caricaDopoIlPrimoDisegno();  // as the program does
    orologio.start();

    const QString build = QFileInfo(QCoreApplication::applicationDirPath() + "/..").canonicalFilePath();
    if (!QFileInfo::exists(build + "/suoni/no.wav")) {
        std::fprintf(stderr, "bench_suono: %s/suoni/ is missing: build the program first\n", qPrintable(build));
        return 1;
    }
    Percorsi::impostaCartellaProgramma(build);
    Casuale::seminaDallOrologio();
    ModuloColoriSuoni::impostaLettore(nullptr);  // the program's own player

    Registratore r;
    r.Avvia();
    Attendi(5000, [&] { return r.campioni() > Fs / 5; });
    if (r.campioni() <= Fs / 5) {
        std::fprintf(stderr, "bench_suono: parec recorded nothing\n");
        return 1;
    }

    Schermata& s = apri(Id::Form4);
    QWidget* risposta = controllo(s, "Command1");
    Attendi(100);

    std::vector<double> latenze, blocchi;
    double primo = -1;
    int mute = 0;
    for (int k = 0; k <= Prove; ++k) {
        // Wait for the sound before to end: a quarter of a second of silence.
        Attendi(3000, [&] { return r.campioni() > Fs && r.silenzioDa(r.campioni() - Fs / 4); });
        risposta->setEnabled(true);
        const double t0 = Adesso();
        const qsizetype b0 = r.campioni();
        const double ultimoArrivo = r.arrivi.empty() ? t0 : r.arrivi.back().first;
        QTest::mouseClick(risposta, Qt::LeftButton);
        // The sample the sink was playing at the click.
        const double inizio = double(b0) + (t0 - ultimoArrivo) * Fs / 1000.0;
        qsizetype trovato = -1;
        qsizetype guardato = b0;
        Attendi(1500, [&] {
            for (; guardato < r.campioni(); ++guardato)
                if (std::abs(r.campione(guardato)) >= Soglia) {
                    trovato = guardato;
                    return true;
                }
            return false;
        });
        if (trovato < 0) {
            ++mute;
            continue;
        }
        const double latenza = (double(trovato) - inizio) * 1000.0 / Fs;
        if (k == 0)
            primo = latenza;  // decodes the file
        else
            latenze.push_back(latenza);
    }
    for (size_t i = 1; i < r.arrivi.size(); ++i)
        blocchi.push_back(r.arrivi[i].first - r.arrivi[i - 1].first);

    std::printf("answer click to first audible sample (program's player, PulseAudio null sink):\n");
    if (!latenze.empty())
        std::printf("  median %.1f ms over %zu answers (min %.1f, max %.1f); target under 50 ms: %s\n",
                    Mediana(latenze), latenze.size(), *std::min_element(latenze.begin(), latenze.end()),
                    *std::max_element(latenze.begin(), latenze.end()), Mediana(latenze) < 50 ? "met" : "MISSED");
    if (primo >= 0)
        std::printf("  first answer after start (decodes the file): %.1f ms\n", primo);
    if (!blocchi.empty())
        std::printf("  resolution: the recorder delivers a block every %.1f ms (median)\n", Mediana(blocchi));
    if (mute)
        std::printf("  %d answers were not heard within 1.5 s\n", mute);
    Registro::distruggi();
    r.parec.kill();
    r.parec.waitForFinished(2000);
    return latenze.empty() ? 1 : 0;
}
