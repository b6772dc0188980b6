#pragma once
// What every platform's sound player shares: a decoded file's frames mixed to one channel and
// resampled linearly to the stream's rate, as 16-bit samples; and the sounds it keeps decoded.
#include "services/PluginSuono.h"

#include <QByteArray>
#include <QHash>
#include <cstdio>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace Campioni {

// No sound is longer than this; anything longer is cut, so an odd file cannot fill memory.
constexpr qint64 SecondiMassimi = 20;

// `letti` holds `fotogrammi` frames of `canali` interleaved samples in [-1, 1] at `frequenza`.
inline QByteArray aMono16(const std::vector<float>& letti, qint64 fotogrammi, int canali, int frequenza)
{
    std::vector<float> mono(static_cast<size_t>(fotogrammi));
    for (qint64 i = 0; i < fotogrammi; ++i) {
        float s = 0;
        for (int c = 0; c < canali; ++c)
            s += letti[size_t(i * canali + c)];
        mono[size_t(i)] = s / float(canali);
    }
    const double passo = double(frequenza) / PluginSuono::Frequenza;
    const qsizetype n = qsizetype(std::floor(double(fotogrammi - 1) / passo)) + 1;
    QByteArray pcm(n * qsizetype(sizeof(int16_t)), Qt::Uninitialized);
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

// The short answer sounds are kept decoded for the run; the spoken sentences, long and heard
// about once an exercise, are decoded when queued and let go once played. A file that cannot be
// played is said once.
class Decodificati {
public:
    using Decodifica = QByteArray (*)(const QString& percorso, QString* problema);
    explicit Decodificati(Decodifica decodifica) : decodifica(decodifica) {}

    QByteArray operator()(const QString& percorso, bool tieni)
    {
        if (auto it = fatti.constFind(percorso); it != fatti.constEnd())
            return *it;
        QString problema;
        const QByteArray pcm = decodifica(percorso, &problema);
        if (pcm.isEmpty())
            std::fprintf(stderr, "bussolino: cannot play sound %s: %s\n", qPrintable(percorso), qPrintable(problema));
        if (tieni || pcm.isEmpty())
            fatti.insert(percorso, pcm);
        return pcm;
    }

private:
    const Decodifica decodifica;
    QHash<QString, QByteArray> fatti;  // kept, or empty for a file that cannot be played
};

}  // namespace Campioni
