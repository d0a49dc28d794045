// Build step: renders the SVG pictures to PNG images of fixed sizes with the toolkit's
// own SVG renderer, so that the program itself needs no SVG support at run time and
// each size can have its own drawing.
// Usage: render_pictures SIZE SOURCE.svg OUTPUT.png [SIZE SOURCE.svg OUTPUT.png ...]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 4 || (argc - 1) % 3 != 0) {
        std::fputs("usage: render_pictures SIZE SOURCE.svg OUTPUT.png ...\n", stderr);
        return 2;
    }
    for (int i = 1; i + 2 < argc; i += 3) {
        const int size = std::atoi(argv[i]);
        QSvgRenderer renderer{QString::fromLocal8Bit(argv[i + 1])};
        if (!renderer.isValid() || size <= 0) {
            std::fprintf(stderr, "render_pictures: cannot render %s at %s\n", argv[i + 1], argv[i]);
            return 1;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        if (!image.save(QString::fromLocal8Bit(argv[i + 2]), "PNG")) {
            std::fprintf(stderr, "render_pictures: cannot write %s\n", argv[i + 2]);
            return 1;
        }
    }
    return 0;
}
