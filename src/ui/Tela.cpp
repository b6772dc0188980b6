#include "ui/Tela.h"

#include "ui/Colori.h"
#include "ui/Etichetta.h"
#include "ui/Risorse.h"

#include <QPainter>
#include <cmath>

Tela::Tela(int larghezzaTwip, int altezzaTwip, QWidget* padre)
    : QWidget(padre), larghezza(larghezzaTwip), altezza(altezzaTwip)
{
}

QSize Tela::dimensioneProgettata() const
{
    return {larghezza / Layout::TwipPerPixel, altezza / Layout::TwipPerPixel};
}

void Tela::aggiungi(QWidget* w, const Layout::Controllo& c)
{
    posti.append({w, c, !c.contenitore.isEmpty()});
    colloca(posti.last());
}

void Tela::impostaSfondo(uint32_t bbggrr)
{
    colore = bbggrr;
    update();
}

void Tela::colloca(const Posto& p)
{
    const Layout::Controllo& c = p.progetto;
    const qreal k = fattore / Layout::TwipPerPixel;
    // Edges are rounded, not sizes, so neighbouring controls never open a gap between them.
    auto x = [&](int twip) { return int(std::lround(twip * k)); };
    QRect r;
    if (c.tipo == Layout::Tipo::Linea) {
        const int spessore = qMax(1, int(std::lround(c.spessore * fattore)));
        const Layout::Rettangolo& t = c.posto;
        r = QRect(x(t.sinistra) - spessore / 2, x(t.alto), spessore, x(t.alto + t.altezza) - x(t.alto));
    } else {
        const Layout::Rettangolo& t = c.posto;
        r = QRect(x(t.sinistra), x(t.alto), x(t.sinistra + t.larghezza) - x(t.sinistra), x(t.alto + t.altezza) - x(t.alto));
    }
    if (!p.nelRiquadro)
        r.translate(scostamento);
    p.widget->setGeometry(r);

    if (c.tipo != Layout::Tipo::Linea && c.tipo != Layout::Tipo::Riquadro && c.tipo != Layout::Tipo::Immagine) {
        QFont f(c.carattere.famiglia == Layout::Famiglia::Comic ? Risorse::famigliaComic() : Risorse::famigliaArial());
        f.setBold(c.carattere.grassetto);
        // Points at 96 dots per inch, so text keeps its designed size against the twip grid.
        f.setPixelSize(qMax(1, int(std::lround(c.carattere.punti * 96.0 / 72.0 * fattore))));
        p.widget->setFont(f);
    }
    // Text in a white box keeps a little air from the box's edges.
    if (auto* e = qobject_cast<Controlli::Etichetta*>(p.widget); e && c.sfondo != Layout::Nessuno)
        e->setMargin(int(std::lround(3 * fattore)));
}

void Tela::applica()
{
    const QSize base = dimensioneProgettata();
    fattore = qMin(qreal(width()) / base.width(), qreal(height()) / base.height());
    if (fattore <= 0)
        fattore = 1.0;
    scostamento = QPoint(int(std::lround((width() - base.width() * fattore) / 2)),
                         int(std::lround((height() - base.height() * fattore) / 2)));
    for (const Posto& p : posti)
        colloca(p);
}

void Tela::resizeEvent(QResizeEvent*)
{
    applica();
    emit collocata();
}

void Tela::paintEvent(QPaintEvent*)
{
    if (colore != Layout::Nessuno)
        QPainter(this).fillRect(rect(), Controlli::colore(colore));
}
