#include "app/Applicazione.h"
#include "app/Modulo1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Applicazione::Prepara(app);
    Modulo1::Main();
    return app.exec();
}
