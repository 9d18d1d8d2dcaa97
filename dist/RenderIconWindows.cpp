// Renders an SVG icon into PNG files of the icon theme's fixed sizes, at build time, with
// the same Qt SVG renderer the programs draw their icons with.
//
//   tessaran_render_icon ICON.svg SIZE OUT.png [SIZE OUT.png]...

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    // A build machine need not have a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4 || args.size() % 2 != 0) {
        std::fputs("Usage: tessaran_render_icon ICON.svg SIZE OUT.png [SIZE OUT.png]...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a readable SVG picture\n", qPrintable(args[1]));
        return 1;
    }
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        bool number = false;
        const int size = args[i].toInt(&number);
        if (!number || size < 1 || size > 1024) {
            std::fprintf(stderr, "%s: not an icon size\n", qPrintable(args[i]));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        if (!image.save(args[i + 1], "PNG")) {
            std::fprintf(stderr, "%s: cannot be written\n", qPrintable(args[i + 1]));
            return 1;
        }
    }
    return 0;
}
