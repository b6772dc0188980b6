#pragma once
// A button that paints its own background colour, with an optional picture above its caption.
// It takes no keyboard focus: the screen's own cursor (Evidenza) stands for it.
#include <QAbstractButton>
#include <cstdint>

class QPainter;

namespace Controlli {

class Pulsante : public QAbstractButton {
    Q_OBJECT
public:
    explicit Pulsante(QWidget* padre = nullptr);
    void impostaSfondo(uint32_t bbggrr);  // Layout::Nessuno: the usual button grey
    void impostaDisegno(const QString& nome);
    QString disegno() const { return nomeDisegno; }
    QSize sizeHint() const override { return {120, 40}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // The raised face in the button's colour, greyed when disabled; returns the area left for
    // the picture and the caption.
    QRectF disegnaFaccia(QPainter& p, const QColor& base, qreal u) const;
    // The picture, greyed when disabled, centred above where the caption goes.
    void disegnaFigura(QPainter& p, QRectF& area) const;

    QColor sfondo;
    QString nomeDisegno;
};

}  // namespace Controlli
