// Draws the program's icon (the title screen's window icon) into the sizes desktops look for:
//   genera_icone <drawing.svg> <hicolor folder> <name>
// writes <hicolor folder>/<n>x<n>/apps/<name>.png for each size and scalable/apps/<name>.svg.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: genera_icone <drawing.svg> <hicolor folder> <name>\n");
        return 2;
    }
    // A build step: no display is needed to draw into an image.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QString cartella = QString::fromLocal8Bit(argv[2]);
    const QString nome = QString::fromLocal8Bit(argv[3]);

    QSvgRenderer disegno(svg);
    if (!disegno.isValid()) {
        std::fprintf(stderr, "genera_icone: %s is not a drawing\n", qPrintable(svg));
        return 1;
    }
    for (int lato : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(cartella).arg(lato);
        QDir().mkpath(dir);
        QImage icona(lato, lato, QImage::Format_ARGB32_Premultiplied);
        icona.fill(Qt::transparent);
        {
            QPainter p(&icona);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            // Square drawing in a square icon; keep the proportions anyway, centred.
            QSizeF s = disegno.defaultSize();
            s.scale(lato, lato, Qt::KeepAspectRatio);
            disegno.render(&p, QRectF((lato - s.width()) / 2, (lato - s.height()) / 2, s.width(), s.height()));
        }
        const QString file = QStringLiteral("%1/%2.png").arg(dir, nome);
        if (!icona.save(file, "PNG")) {
            std::fprintf(stderr, "genera_icone: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    const QString scalabile = cartella + QStringLiteral("/scalable/apps");
    QDir().mkpath(scalabile);
    const QString copia = QStringLiteral("%1/%2.svg").arg(scalabile, nome);
    QFile::remove(copia);
    if (!QFile::copy(svg, copia)) {
        std::fprintf(stderr, "genera_icone: cannot write %s\n", qPrintable(copia));
        return 1;
    }
    return 0;
}
