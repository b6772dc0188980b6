#pragma once
#include "screens/poses/FormConFrasi.h"

// "Il detective" 1 to 3: one screen type; the three differ only in the set of pictures.
class FormDetective : public FormConFrasi {
    Q_OBJECT
public:
    enum class Insieme { DaDietro, DiFronte, UnoDeiDue };
    FormDetective(Catalogo::Id id, Insieme insieme);
    QStringList frasiPossibili() const override;

protected:
    void GeneraEsercizio() override;
    void rispondi(const QString&, int indice) override { Image1_Click(indice); }
    QStringList fraseAttuale() const override;

private:
    void Image1_Click(int Index);

    const Insieme insieme;
    int16_t NumeriFigure[6] = {};  // the pose shown by Image1(i)
    int16_t FiguraGiusta = 0;      // the picture the description was made from
};
