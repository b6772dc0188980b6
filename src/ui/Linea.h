#pragma once
// A vertical line of a colour and width; clicks pass through it.
#include <QColor>
#include <QWidget>
#include <cstdint>

namespace Controlli {

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

}  // namespace Controlli
