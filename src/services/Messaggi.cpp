#include "services/Messaggi.h"

#include "services/Giro.h"
#include "ui/Evidenza.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <memory>

namespace Messaggi {

namespace {

// Played with switches, a box's buttons are a round of their own, from the one a key would
// answer (the default), with the same ring; the switch's keys step and press it.
class SuiSensori : public QObject {
public:
    explicit SuiSensori(QMessageBox& b)
        : box(b), evidenza(new Controlli::Evidenza(&b)),
          giro({
              .tappe = [this] { return bottoni(); },
              .dove = [this] { return qui.data(); },
              .vai = [this](QObject* t) { vai(t); },
              .premi = [](QObject* t) { static_cast<QAbstractButton*>(t)->click(); },
          })
    {
        box.installEventFilter(this);
        for (QAbstractButton* b : box.buttons())
            b->installEventFilter(this);
        QAbstractButton* primo = box.defaultButton();
        if (!primo)
            primo = box.buttons().value(0);
        giro.avvia(primo);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* k = static_cast<QKeyEvent*>(e);
        return !k->isAutoRepeat() ? giro.tasto(k->key()) : k->key() == Qt::Key_Space || k->key() == Qt::Key_Return;
    }

private:
    // As they stand in the box, left to right.
    QList<QObject*> bottoni() const
    {
        QList<QAbstractButton*> b = box.buttons();
        std::stable_sort(b.begin(), b.end(), [this](QAbstractButton* x, QAbstractButton* y) {
            return x->mapTo(&box, QPoint()).x() < y->mapTo(&box, QPoint()).x();
        });
        return {b.begin(), b.end()};
    }
    void vai(QObject* t)
    {
        qui = static_cast<QAbstractButton*>(t);
        if (qui)
            qui->setFocus();
        evidenza->segui(qui.data());
    }

    QMessageBox& box;
    Controlli::Evidenza* evidenza;
    QPointer<QAbstractButton> qui;
    Sensori::Giro giro;
};

int esegui(QMessageBox& box)
{
    std::unique_ptr<SuiSensori> sensori;
    if (Sensori::attivo())
        sensori = std::make_unique<SuiSensori>(box);
    return box.exec();
}

}  // namespace

bool chiedi(QWidget* padre, const QString& testo)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bussolino"), testo, QMessageBox::Yes | QMessageBox::No, padre);
    // Every question ends something: a key pressed by chance (Enter, Space, Esc) answers "No".
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return esegui(box) == QMessageBox::Yes;
}

void informa(QWidget* padre, const QString& testo)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Bussolino"), testo, QMessageBox::Ok, padre);
    esegui(box);
}

}  // namespace Messaggi
