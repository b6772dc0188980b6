#include "ui/Clic.h"

#include "ui/Etichetta.h"
#include "ui/Immagine.h"

#include <QAbstractButton>

namespace Controlli {

void suClic(QWidget* w, QObject* contesto, std::function<void()> f)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        QObject::connect(b, &QAbstractButton::clicked, contesto, f);
    else if (auto* e = qobject_cast<Etichetta*>(w))
        QObject::connect(e, &Etichetta::click, contesto, f);
    else if (auto* i = qobject_cast<Immagine*>(w))
        QObject::connect(i, &Immagine::click, contesto, f);
}

void premi(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->click();
    else if (auto* e = qobject_cast<Etichetta*>(w))
        emit e->click();
    else if (auto* i = qobject_cast<Immagine*>(w))
        emit i->click();
}

}  // namespace Controlli
