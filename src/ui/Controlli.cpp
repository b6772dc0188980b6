#include "ui/Controlli.h"

#include "ui/Layout.h"
#include "ui/Risorse.h"
#include "ui/Tela.h"

#include <QCache>
#include <QCoreApplication>
#include <QTimer>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <cstdio>
#include <memory>

namespace Controlli {

QColor colore(uint32_t bbggrr)
{
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

QPixmap disegno(const QString& nome, QSize dimensione)
{
    if (nome.isEmpty() || dimensione.isEmpty())
        return {};
    static QCache<QString, QPixmap> cache(8 * 1024);  // cost in KiB: every drawing of a screen, several screens
    const QString chiave = nome + '@' + QString::number(dimensione.width()) + 'x' + QString::number(dimensione.height());
    if (QPixmap* p = cache.object(chiave))
        return *p;
    QPixmap p(dimensione);
    p.fill(Qt::transparent);
    // Read through Qt's picture plugin, which brings in the drawing library with the first
    // drawing painted rather than before the title window can show.
    QImageReader lettore(Risorse::percorsoDisegno(nome), "svg");
    // Keep the drawing's proportions, centred in the box.
    QSize s = lettore.size();
    s.scale(dimensione, Qt::KeepAspectRatio);
    lettore.setScaledSize(s);
    const QImage immagine = s.isEmpty() ? QImage() : lettore.read();
    if (immagine.isNull()) {
        static QSet<QString> mancanti;  // said once a drawing, whatever the sizes asked
        if (!mancanti.contains(nome))
            std::fprintf(stderr, "bussolino: picture \"%s\" is missing from the program\n", qPrintable(nome));
        mancanti.insert(nome);
    } else {
        QPainter(&p).drawImage((dimensione.width() - s.width()) / 2, (dimensione.height() - s.height()) / 2, immagine);
    }
    cache.insert(chiave, new QPixmap(p), qMax(1, int(qint64(p.width()) * p.height() * 4 / 1024)));
    return p;
}

QSize inPixelDispositivo(const QWidget* w, QSize s)
{
    const qreal dpr = w->devicePixelRatioF();
    return QSize(qRound(s.width() * dpr), qRound(s.height() * dpr));
}

namespace {
Rifacitore rifacitore = nullptr;

QPixmap disegnoPer(const QWidget* w, const QString& nome, QSize logica)
{
    QPixmap p = disegno(nome, inPixelDispositivo(w, logica));
    p.setDevicePixelRatio(w->devicePixelRatioF());
    return p;
}

// A colour of its own, or none: then what lies behind shows through.
void riempiSfondo(QWidget* w, uint32_t bbggrr)
{
    w->setAutoFillBackground(bbggrr != Layout::Nessuno);
    if (bbggrr == Layout::Nessuno)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colore(bbggrr));
    w->setPalette(p);
}

bool clickSopra(QWidget* w, QMouseEvent* e)
{
    return e->button() == Qt::LeftButton && w->rect().contains(e->position().toPoint());
}
}  // namespace

namespace {
class AlPrimoDisegno : public QObject {
public:
    explicit AlPrimoDisegno(std::function<void()> dopo) : lavoro(std::move(dopo)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                lavoro();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> lavoro;
};
}  // namespace

void dopoIlPrimoDisegno(std::function<void()> dopo)
{
    QCoreApplication::instance()->installEventFilter(new AlPrimoDisegno(std::move(dopo)));
}

void suClic(QWidget* w, QObject* contesto, std::function<void()> f)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        QObject::connect(b, &QAbstractButton::clicked, contesto, f);
    else if (auto* e = qobject_cast<Etichetta*>(w))
        QObject::connect(e, &Etichetta::click, contesto, f);
    else if (auto* i = qobject_cast<Immagine*>(w))
        QObject::connect(i, &Immagine::click, contesto, f);
}

void premi(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->click();
    else if (auto* e = qobject_cast<Etichetta*>(w))
        emit e->click();
    else if (auto* i = qobject_cast<Immagine*>(w))
        emit i->click();
}

void impostaRifacitore(Rifacitore r)
{
    rifacitore = r;
}

// --- Etichetta

Etichetta::Etichetta(QWidget* padre) : QLabel(padre)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void Etichetta::impostaTesto(const QString& t)
{
    esatto = t;
    QString mostrato = t;
    mostrato.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setText(mostrato);
}

void Etichetta::impostaSfondo(uint32_t bbggrr)
{
    riempiSfondo(this, bbggrr);
}

void Etichetta::mouseReleaseEvent(QMouseEvent* e)
{
    if (clickSopra(this, e))
        emit click();
}

// --- Immagine

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

void Immagine::paintEvent(QPaintEvent*)
{
    const QSize voluta = inPixelDispositivo(this, size());
    if (nomeDisegno.isEmpty() && !sorgente.isNull() && rifacitore && sorgente.size() != voluta && !voluta.isEmpty()) {
        // Made again at the size shown: the one it had is let go.
        const QImage rifatta = rifacitore(sorgente, voluta);
        if (rifatta.size() == voluta)
            sorgente = rifatta;
    }
    if (nomeDisegno.isEmpty() && sorgente.size() == voluta) {
        // Already at its size: drawn as it is, with no second copy kept.
        // Kept compact elsewhere; this control's own copy is made in a format drawn at copy speed.
        if (sorgente.format() != QImage::Format_RGB32 && sorgente.format() != QImage::Format_ARGB32_Premultiplied)
            sorgente.convertTo(sorgente.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        if (sorgente.devicePixelRatio() != devicePixelRatioF())
            sorgente.setDevicePixelRatio(devicePixelRatioF());
        QPainter(this).drawImage(0, 0, sorgente);
        return;
    }
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

// --- Pulsante

Pulsante::Pulsante(QWidget* padre) : QAbstractButton(padre), sfondo(0xEC, 0xEC, 0xEC)
{
    setFocusPolicy(Qt::NoFocus);
}

void Pulsante::impostaSfondo(uint32_t bbggrr)
{
    sfondo = bbggrr == Layout::Nessuno ? QColor(0xEC, 0xEC, 0xEC) : colore(bbggrr);
    update();
}

void Pulsante::impostaDisegno(const QString& nome)
{
    nomeDisegno = nome;
    update();
}

void Pulsante::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool giu = isDown();
    const bool attivo = isEnabled();
    const qreal u = qMax<qreal>(1.0, height() / 40.0);  // grows with the window's scale
    const QRectF r = QRectF(rect()).adjusted(u, u, -u, -u);
    const qreal raggio = qMin(r.height(), r.width()) * 0.18;

    QColor base = sfondo;
    if (!attivo)
        base = QColor::fromHsvF(base.hsvHueF(), base.hsvSaturationF() * 0.45, qMin(1.0, base.valueF() * 0.9 + 0.08));
    // A raised face: darker rim below, lighter rim above, the body in the button's own colour.
    QPainterPath forma;
    forma.addRoundedRect(r, raggio, raggio);
    p.fillPath(forma, base.darker(giu ? 120 : 150));
    QPainterPath corpo;
    const QRectF rc = r.adjusted(0, giu ? 2 * u : 0, 0, -(giu ? 0 : 3 * u));
    corpo.addRoundedRect(rc, raggio, raggio);
    p.fillPath(corpo, giu ? base.darker(108) : base);
    QPainterPath luce;
    luce.addRoundedRect(rc.adjusted(2 * u, 1.5 * u, -2 * u, -rc.height() * 0.55), raggio * 0.7, raggio * 0.7);
    QColor chiaro = Qt::white;
    chiaro.setAlphaF(0.28);
    p.fillPath(luce, chiaro);
    p.setPen(QPen(base.darker(200), u));
    p.drawPath(forma);

    QColor inchiostro = inchiostroSu(base);
    if (!attivo)
        inchiostro = inchiostro == Qt::white ? QColor(0xE0, 0xE0, 0xE0) : QColor(0x80, 0x80, 0x80);

    QRectF area = rc.adjusted(2 * u, u, -2 * u, -u);
    if (!nomeDisegno.isEmpty()) {
        const QFontMetricsF fm(font());
        const qreal lato = qMax<qreal>(8, qMin(area.height() - fm.height(), area.width()));
        const QSize s(qRound(lato), qRound(lato));
        QPixmap f = disegnoPer(this, nomeDisegno, s);
        if (!attivo) {
            QImage grigia = f.toImage().convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < grigia.height(); ++y) {
                QRgb* riga = reinterpret_cast<QRgb*>(grigia.scanLine(y));
                for (int x = 0; x < grigia.width(); ++x) {
                    const int g = qGray(riga[x]);
                    riga[x] = qRgba(g, g, g, qAlpha(riga[x]) / 2);
                }
            }
            f = QPixmap::fromImage(grigia);
            f.setDevicePixelRatio(devicePixelRatioF());
        }
        const qreal alto = area.top() + qMax<qreal>(0, (area.height() - fm.height() - lato) / 2);
        p.drawPixmap(QPointF(area.center().x() - lato / 2, alto), f);
        area.setTop(alto + lato);
        p.setPen(inchiostro);
        p.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());
    } else {
        p.setPen(inchiostro);
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
}

QColor inchiostroSu(const QColor& sfondo)
{
    const qreal luminanza = 0.299 * sfondo.redF() + 0.587 * sfondo.greenF() + 0.114 * sfondo.blueF();
    return luminanza > 0.45 ? QColor(0x10, 0x10, 0x10) : QColor(Qt::white);
}

// --- Riquadro

Riquadro::Riquadro(QWidget* padre) : QWidget(padre) {}

void Riquadro::impostaSfondo(uint32_t bbggrr)
{
    riempiSfondo(this, bbggrr);
}

void Riquadro::impostaDisegno(const QString& nome)
{
    nomeDisegno = nome;
    update();
}

void Riquadro::paintEvent(QPaintEvent*)
{
    if (!nomeDisegno.isEmpty())
        QPainter(this).drawPixmap(0, 0, disegnoPer(this, nomeDisegno, size()));
}

// --- Linea

Linea::Linea(QWidget* padre) : QWidget(padre)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linea::impostaColore(uint32_t bbggrr)
{
    tinta = Controlli::colore(bbggrr);
    update();
}

void Linea::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), tinta);
}

// --- Evidenza

Evidenza::Evidenza(QWidget* tela) : QWidget(tela->parentWidget()), tela(tela)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(tela->geometry());
    tela->installEventFilter(this);
    hide();
}

void Evidenza::segui(QWidget* b)
{
    seguito = b;
    setVisible(b != nullptr);
    if (b) {
        raise();
        update();
    }
}

bool Evidenza::eventFilter(QObject* o, QEvent* e)
{
    // The canvas places its controls anew when it is resized: follow it.
    if (o == tela && (e->type() == QEvent::Resize || e->type() == QEvent::Move))
        setGeometry(tela->geometry());
    return false;
}

void Evidenza::paintEvent(QPaintEvent*)
{
    if (!seguito || !seguito->isVisible())
        return;
    // Sizes in designed pixels times the canvas's scale: the ring grows with the window.
    const auto* t = qobject_cast<const Tela*>(tela);
    const qreal u = t ? t->scala() : 1.0;
    const QRectF r = QRectF(QRect(seguito->mapTo(tela, QPoint()), seguito->size())).adjusted(-3 * u, -3 * u, 3 * u, 3 * u);
    const qreal raggio = 10 * u;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x12, 0x12, 0x2E), 10 * u));
    p.drawRoundedRect(r, raggio, raggio);
    p.setPen(QPen(QColor(0xFF, 0xF0, 0x6A), 6 * u));
    p.drawRoundedRect(r, raggio, raggio);
}

QCursor puntatore()
{
    static const QCursor c = [] {
        QPixmap p = disegno("puntatore", QSize(32, 32));
        return p.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(p, 0, 0);
    }();
    return c;
}

}  // namespace Controlli
