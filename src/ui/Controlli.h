#pragma once
// The kinds of control a designed screen is made of. Each reports clicks like its designed
// counterpart and draws itself so that it scales with the window.
#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace Controlli {

QColor colore(uint32_t bbggrr);

// A carried drawing rendered at `dimensione` device pixels; cached, so repeated paints are free.
QPixmap disegno(const QString& nome, QSize dimensione);

// Pictures that know how to be made again at another size (the figures, made from their files)
// come back through this, so an image control always holds its picture at the size it shows it
// at: sharp when the window grows, no larger than needed when it does not.
using Rifacitore = QImage (*)(const QImage& immagine, QSize dimensione);
void impostaRifacitore(Rifacitore r);

// The size in device pixels that `w` shows something of logical size `s` at.
QSize inPixelDispositivo(const QWidget* w, QSize s);

// Runs `dopo` once, when the event loop is next idle after the next paint: work that must not
// hold back a window's first appearance.
void dopoIlPrimoDisegno(std::function<void()> dopo);

// A click on any control that reports clicks (button, label, image) runs `f`; `premi` is the
// same click from the keyboard, through the same signal.
void suClic(QWidget* controllo, QObject* contesto, std::function<void()> f);
void premi(QWidget* controllo);

// A text label. Its text is kept exactly as set (CR LF included) and shown with line breaks.
class Etichetta : public QLabel {
    Q_OBJECT
public:
    explicit Etichetta(QWidget* padre = nullptr);
    void impostaTesto(const QString& testo);
    QString testo() const { return esatto; }
    void impostaSfondo(uint32_t bbggrr);

signals:
    void click();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString esatto;
};

// An image control: a picture stretched to its box. A disabled image keeps its look and only
// stops reacting to clicks.
class Immagine : public QWidget {
    Q_OBJECT
public:
    explicit Immagine(QWidget* padre = nullptr);
    void impostaImmagine(const QImage& immagine);
    void impostaDisegno(const QString& nome);  // a carried drawing
    // The picture as last shown: at the control's size in device pixels once it has painted.
    QImage immagine() const { return sorgente; }
    QString disegno() const { return nomeDisegno; }
    bool vuota() const { return sorgente.isNull() && nomeDisegno.isEmpty(); }

signals:
    void click();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QImage sorgente;
    QString nomeDisegno;
    QPixmap cache;
};

// A button that paints its own background colour, with an optional picture above its caption.
// It takes no keyboard focus: the screen's own cursor (Evidenza) stands for it.
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
    QColor sfondo;
    QString nomeDisegno;
};

// Black or white, whichever reads better on `sfondo`.
QColor inchiostroSu(const QColor& sfondo);

// A picture box: clips the controls it holds, and may show a carried picture filling it.
class Riquadro : public QWidget {
    Q_OBJECT
public:
    explicit Riquadro(QWidget* padre = nullptr);
    void impostaSfondo(uint32_t bbggrr);
    void impostaDisegno(const QString& nome);
    QString disegno() const { return nomeDisegno; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString nomeDisegno;
};

// A vertical line of a colour and width; clicks pass through it.
class Linea : public QWidget {
    Q_OBJECT
public:
    explicit Linea(QWidget* padre = nullptr);
    void impostaColore(uint32_t bbggrr);
    QColor colore() const { return tinta; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor tinta;
};

// The keyboard cursor: a thick ring around the control it is on, drawn over the whole canvas
// (it lies on top of it, in the same window) so that it can stand outside the control. Dark
// edges and a pale yellow middle keep it readable on every background colour and every button.
class Evidenza : public QWidget {
    Q_OBJECT
public:
    explicit Evidenza(QWidget* tela);
    void segui(QWidget* bersaglio);  // nullptr: no ring
    QWidget* bersaglio() const { return seguito; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    QWidget* tela;
    QPointer<QWidget> seguito;
};

// The custom arrow pointer of "avanti" and "Avvio".
QCursor puntatore();

}  // namespace Controlli
