#pragma once
#include "screens/lines/FormRighe.h"

// "A destra di...... 2": one animal in a white field cut by a yellow line on the left and a
// green one on the right; the child places it against both lines, one pair of buttons per
// line, in either order. 1 to 15 stand right of the green line, 16 to 30 between the lines,
// 31 to 45 left of the yellow one; the background is light violet.
class Form10 : public FormRighe {
    Q_OBJECT
public:
    explicit Form10(Catalogo::Id id) : FormRighe(id, 45) {}
    QStringList frasiPossibili() const override;

protected:
    void rispondi(const QString& nome, int) override;
    QStringList fraseAttuale() const override;
    QString bottoni() const override;

};
