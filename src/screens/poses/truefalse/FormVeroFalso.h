#pragma once
#include "screens/poses/FormConFrasi.h"

// "Vero e falso" 1 to 3: one screen type; the three differ only in the range of the pose draw.
class FormVeroFalso : public FormConFrasi {
    Q_OBJECT
public:
    // One attempt draws Int(r * quante) + 1, then adds `aggiunta`.
    FormVeroFalso(Catalogo::Id id, int quante, int aggiunta);
    QStringList frasiPossibili() const override;

protected:
    void GeneraEsercizio() override;
    void rispondi(const QString& nome, int) override;
    QStringList fraseAttuale() const override;
    QString bottoni() const override;

private:
    void Command1_Click();  // "VERO"
    void Command3_Click();  // "FALSO"

    const int quante;
    const int aggiunta;
    int16_t NumeroFigura = 0;
    int16_t FraseFalsa = 0;  // 0: the statement on screen is true, 1: false
};
