#include "ui/PrimoDisegno.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace PrimoDisegno {

namespace {
class AlPrimoDisegno : public QObject {
public:
    explicit AlPrimoDisegno(std::function<void()> dopo) : lavoro(std::move(dopo)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                lavoro();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> lavoro;
};
}  // namespace

void dopo(std::function<void()> dopo)
{
    QCoreApplication::instance()->installEventFilter(new AlPrimoDisegno(std::move(dopo)));
}

}  // namespace PrimoDisegno
