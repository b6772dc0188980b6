#include "services/Sensori.h"

#include "services/Riff.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace Sensori {

namespace {

Modo scelto = Modo::Nessuno;
qint64 ritmoScelto = qint64(RitmoDiSolito * 1000);

class OrologioReale : public Orologio {
public:
    OrologioReale() { partenza.start(); }
    qint64 adesso() const override { return partenza.elapsed(); }
    void punta(Sveglia& s, qint64 quando) override { s.reale.start(int(std::max<qint64>(0, quando - adesso()))); }
    void spegni(Sveglia& s) override { s.reale.stop(); }

private:
    QElapsedTimer partenza;
};

Orologio* installato = nullptr;

// When the player will be done with everything, and with everything but a stop's words.
qint64 fineTutto = 0, fineFrasi = 0;

}  // namespace

void impostaModo(Modo m, double ritmoSecondi)
{
    scelto = m;
    ritmoScelto = qint64(std::lround(ritmoSecondi * 1000));
}

Modo modo()
{
    return scelto;
}

qint64 ritmo()
{
    return ritmoScelto;
}

void impostaOrologio(Orologio* o)
{
    installato = o;
    fineTutto = fineFrasi = 0;
}

Orologio& orologio()
{
    static OrologioReale reale;
    return installato ? *installato : reale;
}

Sveglia::Sveglia(std::function<void()> f) : fatto(std::move(f))
{
    reale.setSingleShot(true);
    QObject::connect(&reale, &QTimer::timeout, &reale, [this] { fatto(); });
}

Sveglia::~Sveglia()
{
    spegni();
}

void Sveglia::punta(qint64 tra)
{
    orologio().punta(*this, orologio().adesso() + tra);
}

void Sveglia::spegni()
{
    orologio().spegni(*this);
}

void suonato(const QString& percorso, Suono suono, bool sostituisce)
{
    if (!attivo())
        return;
    const qint64 ora = orologio().adesso();
    if (sostituisce)
        fineTutto = fineFrasi = ora;
    fineTutto = std::max(fineTutto, ora) + durata(percorso);
    if (suono == Suono::Frase)
        fineFrasi = fineTutto;
}

void zitto()
{
    fineTutto = fineFrasi = orologio().adesso();
}

qint64 frasiPerAncora()
{
    return std::max<qint64>(0, fineFrasi - orologio().adesso());
}

// "fmt " gives the bytes a second, "data" how many bytes of sound there are.
qint64 durata(const QString& percorso)
{
    static QHash<QString, qint64> lette;
    if (const auto v = lette.constFind(percorso); v != lette.cend())
        return *v;
    qint64 ms = 0;
    QFile f(percorso);
    quint32 perSecondo = 0;
    if (f.open(QIODevice::ReadOnly))
        Riff::perOgniPezzo(f, [&](const QByteArray& nome, quint32 misura) {
            if (nome == "fmt ") {
                const QByteArray fmt = f.peek(12);
                if (fmt.size() == 12)
                    perSecondo = qFromLittleEndian<quint32>(fmt.constData() + 8);
                return true;
            }
            if (nome != "data")
                return true;
            const qint64 dati = std::min<qint64>(misura, f.size() - f.pos());
            if (perSecondo > 0)
                ms = dati * 1000 / perSecondo;
            return false;
        });
    lette.insert(percorso, ms);
    return ms;
}

}  // namespace Sensori
