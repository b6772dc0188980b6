// Makes voce/: one WAV per sentence of the program's table of spoken sentences, said by
// festival's Italian voice "lp" (a woman's voice made from real recorded speech), slowed and
// raised a little for young children, trimmed to an even pause and brought to one loudness;
// and voce/elenco.txt, which tells a teacher which file says which sentence.
#include "services/Voce.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int Frequenza = 22050;  // samples per second, what the synthesiser gives
constexpr double Finestra = 0.010;  // seconds of one loudness window
constexpr double Soglia = -40.0;  // dB under the loudest window: below it is silence
constexpr double Cuscino = 0.100;  // seconds of silence kept at each end
constexpr double Dissolvenza = 0.008;  // seconds of fade at each end of the speech, so it never clicks
constexpr double VolumeParlato = -18.0;  // dBFS, RMS of the windows that hold speech: as loud as the chimes
constexpr double PiccoMassimo = -1.0;  // dBFS: never louder, so nothing clips

// Festival's Italian voice "lp", 40% slower and 10% higher than it speaks to adults: young
// children follow slower speech, and a higher, livelier tune is how grown-ups talk to them.
const char* const Impostazioni = R"scm(
(voice_lp_diphone)
(Parameter.set 'Duration_Stretch 1.4)
(define (bussolino_intonazione utt syl)
  (mapcar (lambda (p) (list (car p) (* 1.1 (car (cdr p))))) (targ_func_fw_q_fem utt syl)))
(set! int_general_params (list (list 'targ_func bussolino_intonazione)))
)scm";

bool Leggi(const QString& percorso, std::vector<float>& campioni)
{
    SF_INFO info{};
    SNDFILE* f = sf_open(QFile::encodeName(percorso).constData(), SFM_READ, &info);
    if (!f)
        return false;
    std::vector<float> tutti(static_cast<size_t>(info.frames) * info.channels);
    sf_readf_float(f, tutti.data(), info.frames);
    sf_close(f);
    if (info.samplerate != Frequenza || info.frames == 0)
        return false;
    campioni.resize(info.frames);
    for (sf_count_t i = 0; i < info.frames; ++i)
        campioni[i] = tutti[i * info.channels];
    return true;
}

// Cuts the silence at both ends down to the same short pause and brings the speech to one
// loudness, so every sentence sounds as loud as the others and follows the one before evenly.
std::vector<float> Rifinisci(const std::vector<float>& in)
{
    const size_t passo = static_cast<size_t>(Finestra * Frequenza);
    std::vector<double> rms;
    for (size_t i = 0; i + passo <= in.size(); i += passo) {
        double s = 0;
        for (size_t k = i; k < i + passo; ++k)
            s += double(in[k]) * in[k];
        rms.push_back(std::sqrt(s / passo));
    }
    const double massimo = rms.empty() ? 0.0 : *std::max_element(rms.begin(), rms.end());
    if (massimo <= 0.0)
        return {};
    const double soglia = massimo * std::pow(10.0, Soglia / 20.0);
    size_t primo = 0, ultimo = rms.size() - 1;
    while (primo < ultimo && rms[primo] < soglia)
        ++primo;
    while (ultimo > primo && rms[ultimo] < soglia)
        --ultimo;
    double energia = 0;
    int attive = 0;
    for (size_t w = primo; w <= ultimo; ++w)
        if (rms[w] >= soglia) {
            energia += rms[w] * rms[w];
            ++attive;
        }
    const size_t inizio = primo * passo, fine = std::min(in.size(), (ultimo + 1) * passo);

    double guadagno = std::pow(10.0, VolumeParlato / 20.0) / std::sqrt(energia / attive);
    double picco = 0;
    for (size_t i = inizio; i < fine; ++i)
        picco = std::max(picco, double(std::fabs(in[i])));
    guadagno = std::min(guadagno, std::pow(10.0, PiccoMassimo / 20.0) / picco);

    const size_t cuscino = static_cast<size_t>(Cuscino * Frequenza);
    const size_t dissolvenza = static_cast<size_t>(Dissolvenza * Frequenza);
    std::vector<float> out(cuscino + (fine - inizio) + cuscino, 0.0f);
    for (size_t i = inizio; i < fine; ++i) {
        const size_t daiBordi = std::min(i - inizio, fine - 1 - i);
        const double rampa = daiBordi >= dissolvenza ? 1.0 : double(daiBordi) / dissolvenza;
        out[cuscino + i - inizio] = static_cast<float>(in[i] * guadagno * rampa);
    }
    return out;
}

bool Scrivi(const QString& percorso, const std::vector<float>& campioni)
{
    SF_INFO info{};
    info.samplerate = Frequenza;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(QFile::encodeName(percorso).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    const sf_count_t scritti = sf_writef_float(f, campioni.data(), static_cast<sf_count_t>(campioni.size()));
    sf_close(f);
    return scritti == static_cast<sf_count_t>(campioni.size());
}

int Errore(const QString& cosa)
{
    std::fprintf(stderr, "genera_voce: %s\n", qPrintable(cosa));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return Errore(QStringLiteral("use: genera_voce <text2wave> <folder>"));
    const QString text2wave = QString::fromLocal8Bit(argv[1]);
    const QDir cartella(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir lavoro;
    if (!QDir().mkpath(cartella.path()) || !lavoro.isValid())
        return Errore(QStringLiteral("cannot make the folders"));

    QFile scm(lavoro.filePath(QStringLiteral("voce.scm")));
    if (!scm.open(QIODevice::WriteOnly) || scm.write(Impostazioni) < 0)
        return Errore(QStringLiteral("cannot write the settings"));
    scm.close();

    // For teachers, so in Italian.
    QByteArray elenco = "# Bussolino: quale file di questa cartella dice quale frase.\n";
    for (const Voce::Frase& frase : Voce::frasi()) {
        const QString parlato = QString::fromUtf8(frase.parlato);
        // Festival reads Latin-1 text; every sentence is Italian, so nothing is lost.
        QFile testo(lavoro.filePath(QStringLiteral("frase.txt")));
        if (!testo.open(QIODevice::WriteOnly | QIODevice::Truncate) || testo.write(parlato.toLatin1()) < 0)
            return Errore(QStringLiteral("cannot write the text of ") + frase.file);
        testo.close();

        const QString grezzo = lavoro.filePath(QStringLiteral("grezzo.wav"));
        QFile::remove(grezzo);
        QProcess p;
        p.start(text2wave, {QStringLiteral("-F"), QString::number(Frequenza), QStringLiteral("-otype"),
                            QStringLiteral("riff"), QStringLiteral("-eval"), scm.fileName(), testo.fileName(),
                            QStringLiteral("-o"), grezzo});
        p.waitForFinished(60000);
        // Festival exits with 0 even when its voice is missing: only a readable file counts.
        std::vector<float> campioni;
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || !Leggi(grezzo, campioni))
            return Errore(QStringLiteral("the synthesiser said nothing for \"%1\" (%2). "
                                         "Is festvox-italp16k installed? Run scripts/install-deps.")
                              .arg(parlato, QString::fromLocal8Bit(p.readAllStandardError()).trimmed()));
        const std::vector<float> rifinito = Rifinisci(campioni);
        if (rifinito.empty())
            return Errore(QStringLiteral("the synthesiser gave only silence for \"%1\"").arg(parlato));
        if (!Scrivi(cartella.filePath(frase.file), rifinito))
            return Errore(QStringLiteral("cannot write ") + cartella.filePath(frase.file));
        elenco += QByteArray(frase.file) + '\t' + frase.parlato + '\n';
    }

    QFile f(cartella.filePath(QStringLiteral("elenco.txt")));
    if (!f.open(QIODevice::WriteOnly) || f.write(elenco) != elenco.size())
        return Errore(QStringLiteral("cannot write elenco.txt"));
    return 0;
}
