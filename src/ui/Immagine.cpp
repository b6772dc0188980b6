#include "ui/Immagine.h"

#include "ui/Cliccabile.h"
#include "ui/Disegni.h"

#include <QPainter>

namespace Controlli {

namespace {
Rifacitore rifacitore = nullptr;
}

void impostaRifacitore(Rifacitore r)
{
    rifacitore = r;
}

Immagine::Immagine(QWidget* padre) : QWidget(padre) {}

void Immagine::impostaImmagine(const QImage& i)
{
    sorgente = i;
    nomeDisegno.clear();
    cache = {};
    update();
}

void Immagine::impostaDisegno(const QString& nome)
{
    nomeDisegno = nome;
    sorgente = {};
    cache = {};
    update();
}

// A figure already at the size shown is drawn as it is, with no second copy kept; false otherwise.
bool Immagine::disegnaAllaSuaMisura(QSize voluta)
{
    if (!nomeDisegno.isEmpty() || sorgente.isNull())
        return false;
    if (rifacitore && sorgente.size() != voluta && !voluta.isEmpty()) {
        // Made again at the size shown: the one it had is let go.
        const QImage rifatta = rifacitore(sorgente, voluta);
        if (rifatta.size() == voluta)
            sorgente = rifatta;
    }
    if (sorgente.size() != voluta)
        return false;
    // Kept compact elsewhere; this control's own copy is made in a format drawn at copy speed.
    if (sorgente.format() != QImage::Format_RGB32 && sorgente.format() != QImage::Format_ARGB32_Premultiplied)
        sorgente.convertTo(sorgente.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (sorgente.devicePixelRatio() != devicePixelRatioF())
        sorgente.setDevicePixelRatio(devicePixelRatioF());
    QPainter(this).drawImage(0, 0, sorgente);
    return true;
}

void Immagine::paintEvent(QPaintEvent*)
{
    const QSize voluta = inPixelDispositivo(this, size());
    if (disegnaAllaSuaMisura(voluta))
        return;
    if (cache.isNull() || cache.size() != voluta) {
        if (!nomeDisegno.isEmpty()) {
            cache = disegnoPer(this, nomeDisegno, size());
        } else if (!sorgente.isNull()) {
            cache = QPixmap::fromImage(sorgente.scaled(voluta, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            cache.setDevicePixelRatio(devicePixelRatioF());
        } else {
            return;
        }
    }
    QPainter(this).drawPixmap(0, 0, cache);
}

void Immagine::mouseReleaseEvent(QMouseEvent* e)
{
    if (clickSopra(this, e))
        emit click();
}

}  // namespace Controlli
