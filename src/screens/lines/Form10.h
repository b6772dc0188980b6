#pragma once
#include "framework/FormEsercizio.h"

// "A destra di...... 2": one animal in a white field cut by a yellow line on the left and a
// green one on the right; the child places it against both lines, one pair of buttons per
// line, in either order. The screen keeps its own counts and its light violet background.
class Form10 : public FormEsercizio {
    Q_OBJECT
public:
    using FormEsercizio::FormEsercizio;

protected:
    void GeneraEsercizio() override { PreparaEsercizio(); }
    void rispondi(const QString& nome, int) override;
    void Command2_Click() override;
    QStringList fraseAttuale() const override;
    QString bottoni() const override;

public:
    QStringList frasiPossibili() const override;

private:
    void PreparaEsercizio();
    // The animal on show: 1 to 15 right of the green line, 16 to 30 between the lines,
    // 31 to 45 left of the yellow line.
    int16_t Posizione = 1;
};
