#pragma once
// The carried drawings as Windows' build carries them: each SVG drawn once, on the build machine,
// by Qt Svg into a QPicture (Qt's own recording of painter commands, still vectors), saved with
// the drawing's size. Played back with QPainter at any size, on screen and into the PDF.
#include <QDataStream>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QSize>

namespace Registrazione {

constexpr quint32 Firma = 0x42534447;  // "BSDG"
constexpr quint32 Versione = 1;
constexpr char Estensione[] = "qpic";

struct Disegno {
    QSize misura;  // the drawing's own size, as the SVG gives it
    QPicture quadro;
    bool valido() const { return !misura.isEmpty(); }
};

inline bool scrivi(const QString& percorso, const Disegno& d)
{
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QDataStream s(&f);
    s.setVersion(QDataStream::Qt_6_4);
    s << Firma << Versione << d.misura << d.quadro;
    return s.status() == QDataStream::Ok && f.flush();
}

inline Disegno leggi(const QString& percorso)
{
    QFile f(percorso);
    Disegno d;
    if (!f.open(QIODevice::ReadOnly))
        return d;
    QDataStream s(&f);
    s.setVersion(QDataStream::Qt_6_4);
    quint32 firma = 0, versione = 0;
    s >> firma >> versione;
    if (firma != Firma || versione != Versione)
        return d;
    s >> d.misura >> d.quadro;
    if (s.status() != QDataStream::Ok)
        return Disegno();
    return d;
}

// Plays `d` so that its own size fills `dove`. A QPicture grows as the device's resolution
// exceeds the screen's; that is undone here, so the size is the one asked for on any device.
inline void suona(QPainter& p, const Disegno& d, const QRectF& dove)
{
    const QPaintDevice* dispositivo = p.device();
    p.save();
    p.translate(dove.topLeft());
    p.scale(dove.width() / d.misura.width() * d.quadro.logicalDpiX() / dispositivo->logicalDpiX(),
            dove.height() / d.misura.height() * d.quadro.logicalDpiY() / dispositivo->logicalDpiY());
    p.drawPicture(0, 0, d.quadro);
    p.restore();
}

}  // namespace Registrazione
