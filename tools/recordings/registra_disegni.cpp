// Records each carried drawing for a build that carries no SVG library (Windows'): drawn once by
// Qt Svg into a QPicture, saved with the drawing's size beside the others:
//   registra_disegni <folder> <drawing.svg>...
// writes <folder>/<name>.qpic for each drawing.
#include "platform/windows/Registrazione.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: registra_disegni <folder> <drawing.svg>...\n");
        return 2;
    }
    // A build step: no display is needed to record painter commands.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(cartella);
    for (int i = 2; i < argc; ++i) {
        const QString svg = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer disegno(svg);
        if (!disegno.isValid() || disegno.defaultSize().isEmpty()) {
            std::fprintf(stderr, "registra_disegni: %s is not a drawing\n", qPrintable(svg));
            return 1;
        }
        Registrazione::Disegno d;
        d.misura = disegno.defaultSize();
        {
            QPainter p(&d.quadro);
            disegno.render(&p, QRectF(QPointF(0, 0), QSizeF(d.misura)));
        }
        const QString file = cartella + '/' + QFileInfo(svg).completeBaseName() + '.' + Registrazione::Estensione;
        if (!Registrazione::scrivi(file, d)) {
            std::fprintf(stderr, "registra_disegni: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
