#include "platform/windows/Wav.h"

#include "services/Campioni.h"
#include "services/Riff.h"

#include <QFile>
#include <QtEndian>
#include <cstring>
#include <vector>

namespace Wav {

namespace {

constexpr quint16 Pcm = 1, Virgola = 3, Estensibile = 0xFFFE;

struct Formato {
    quint16 tipo = 0;
    int canali = 0;
    int frequenza = 0;
    int bit = 0;
};

QByteArray fallito(QString* problema, const QString& motivo)
{
    if (problema)
        *problema = motivo;
    return {};
}

float campione(const uchar* p, const Formato& f)
{
    switch (f.bit) {
    case 8:
        return (float(p[0]) - 128.0f) / 128.0f;
    case 16:
        return float(qFromLittleEndian<qint16>(p)) / 32768.0f;
    case 24:
        return float(qint32(quint32(p[0]) << 8 | quint32(p[1]) << 16 | quint32(p[2]) << 24) >> 8) / 8388608.0f;
    case 32:
        if (f.tipo == Virgola) {
            float v;
            const quint32 u = qFromLittleEndian<quint32>(p);
            std::memcpy(&v, &u, sizeof v);
            return v;
        }
        return float(double(qFromLittleEndian<qint32>(p)) / 2147483648.0);
    case 64: {
        double v;
        const quint64 u = qFromLittleEndian<quint64>(p);
        std::memcpy(&v, &u, sizeof v);
        return float(v);
    }
    }
    return 0;
}

bool leggibile(const Formato& f)
{
    if (f.canali <= 0 || f.frequenza <= 0)
        return false;
    if (f.tipo == Pcm)
        return f.bit == 8 || f.bit == 16 || f.bit == 24 || f.bit == 32;
    return f.tipo == Virgola && (f.bit == 32 || f.bit == 64);
}

}  // namespace

QByteArray decodifica(const QString& percorso, QString* problema)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return fallito(problema, file.errorString());
    Formato f;
    bool formatoLetto = false;
    QByteArray pcm;
    QString motivo = QStringLiteral("no sound in the file");
    const bool wav = Riff::perOgniPezzo(file, [&](const QByteArray& nome, quint32 lunghezza) {
        if (nome == "fmt ") {
            const QByteArray d = file.read(qMin<quint32>(lunghezza, 40));
            if (d.size() < 16) {
                motivo = QStringLiteral("a broken format chunk");
                return false;
            }
            f.tipo = qFromLittleEndian<quint16>(d.constData());
            f.canali = qFromLittleEndian<quint16>(d.constData() + 2);
            f.frequenza = int(qFromLittleEndian<quint32>(d.constData() + 4));
            f.bit = qFromLittleEndian<quint16>(d.constData() + 14);
            // The extensible form names its real kind in the first two bytes of its sub-format.
            if (f.tipo == Estensibile && d.size() >= 26)
                f.tipo = qFromLittleEndian<quint16>(d.constData() + 24);
            formatoLetto = true;
            return true;
        }
        if (nome != "data")
            return true;
        if (!formatoLetto || !leggibile(f)) {
            motivo = QStringLiteral("a kind of WAV this player does not read");
            return false;
        }
        const int perFotogramma = f.canali * f.bit / 8;
        const qint64 fotogrammi = qMin<qint64>(lunghezza / perFotogramma, Campioni::SecondiMassimi * f.frequenza);
        const QByteArray dati = file.read(fotogrammi * perFotogramma);
        const qint64 avuti = dati.size() / perFotogramma;
        if (avuti <= 0)
            return false;
        std::vector<float> letti(size_t(avuti * f.canali));
        const auto* p = reinterpret_cast<const uchar*>(dati.constData());
        for (size_t i = 0; i < letti.size(); ++i)
            letti[i] = campione(p + i * size_t(f.bit / 8), f);
        pcm = Campioni::aMono16(letti, avuti, f.canali, f.frequenza);
        return false;
    });
    if (!wav)
        return fallito(problema, QStringLiteral("not a WAV file"));
    return pcm.isEmpty() ? fallito(problema, motivo) : pcm;
}

}  // namespace Wav
