#pragma once
// A carried drawing played into any painter as vectors, for the worksheets: sharp on paper and in
// the PDF at any size. Each system's folder defines it; only the worksheet maker links it.
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;

namespace Piattaforma {

class DisegnoVettoriale {
public:
    explicit DisegnoVettoriale(const QString& percorso);
    ~DisegnoVettoriale();
    // Drawn as large as fits `r` with its proportions, centred.
    void disegna(QPainter& p, const QRectF& r);

    struct Dati;

private:
    std::unique_ptr<Dati> d;
};

}  // namespace Piattaforma
