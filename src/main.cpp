#include "Applicazione.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Applicazione::prepara(app);
    Applicazione::Main();
    return app.exec();
}
