// The baseline for start-up and memory: the least a Qt Widgets program shows, a main window
// the size of the title screen holding one label, built with the program's compiler flags.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle(QStringLiteral("Bussolino nudo"));
    finestra.setCentralWidget(new QLabel(QStringLiteral("Bussolino")));
    finestra.resize(687, 600);  // the title screen: 10305 x 9000 twips
    finestra.show();
    return app.exec();
}
