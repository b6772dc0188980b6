#pragma once
// A picture box: clips the controls it holds, and may show a carried picture filling it.
#include <QWidget>
#include <cstdint>

namespace Controlli {

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

}  // namespace Controlli
