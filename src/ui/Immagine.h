#pragma once
// An image control: a picture stretched to its box, or a carried drawing. A disabled image keeps
// its look and only stops reacting to clicks.
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace Controlli {

// Pictures that know how to be made again at another size (the figures, made from their files)
// come back through this, so an image control always holds its picture at the size it shows it
// at: sharp when the window grows, no larger than needed when it does not.
using Rifacitore = QImage (*)(const QImage& immagine, QSize dimensione);
void impostaRifacitore(Rifacitore r);

class Immagine : public QWidget {
    Q_OBJECT
public:
    explicit Immagine(QWidget* padre = nullptr);
    void impostaImmagine(const QImage& immagine);
    void impostaDisegno(const QString& nome);  // a carried drawing
    // The picture as last shown: at the control's size in device pixels once it has painted.
    QImage immagine() const { return sorgente; }
    QString disegno() const { return nomeDisegno; }

signals:
    void click();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool disegnaAllaSuaMisura(QSize voluta);

    QImage sorgente;
    QString nomeDisegno;
    QPixmap cache;
};

}  // namespace Controlli
