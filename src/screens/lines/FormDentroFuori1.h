#pragma once
#include "screens/lines/FormRighe.h"

// "A destra di......  1": one animal in a white field split by a green line; the child
// says whether it is to the right ("DESTRA") or the left ("SINISTRA") of the line.
// 1 to 15 stand right of the line, 16 to 30 left of it; the background is light cyan.
class FormDentroFuori1 : public FormRighe {
    Q_OBJECT
public:
    explicit FormDentroFuori1(Catalogo::Id id) : FormRighe(id, 30) {}
    QStringList frasiPossibili() const override;

protected:
    void rispondi(const QString& nome, int) override;
    QStringList fraseAttuale() const override;
    QString bottoni() const override;

private:
    void Command1_Click();  // "DESTRA"
    void Command3_Click();  // "SINISTRA"
    void giudica(Controlli::Pulsante* premuto, bool giusta);
};
