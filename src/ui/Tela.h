#pragma once
// The canvas a screen's controls stand on. It keeps every control's designed rectangle and
// font and places them all through one conversion from twips, times a uniform scale that
// follows the window's size; the margins take the screen's background colour.
#include <QVector>
#include <QWidget>
#include <cstdint>

#include "ui/Layout.h"

class Tela : public QWidget {
    Q_OBJECT
public:
    Tela(int larghezzaTwip, int altezzaTwip, QWidget* padre = nullptr);

    // Places `w` by its designed rectangle; children of a picture box are relative to it.
    void aggiungi(QWidget* w, const Layout::Controllo& c);
    void impostaSfondo(uint32_t bbggrr);
    uint32_t sfondo() const { return colore; }

    QSize dimensioneProgettata() const;  // logical pixels at scale 1
    qreal scala() const { return fattore; }
    QSize sizeHint() const override { return dimensioneProgettata(); }

signals:
    // Every control has been placed again for a new window size.
    void collocata();

protected:
    void resizeEvent(QResizeEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    struct Posto {
        QWidget* widget;
        Layout::Controllo progetto;
        bool nelRiquadro;
    };
    void colloca(const Posto& p);
    void applica();

    int larghezza, altezza;
    uint32_t colore = Layout::Nessuno;
    qreal fattore = 1.0;
    QPoint scostamento;
    QVector<Posto> posti;
};
