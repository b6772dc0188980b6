#pragma once
// A text label. Its text is kept exactly as set (CR LF included) and shown with line breaks.
#include <QLabel>
#include <cstdint>

namespace Controlli {

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

}  // namespace Controlli
