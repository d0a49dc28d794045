// Build step, run on the build machine: renders the SVG pictures with Qt's SVG renderer,
// so that neither program needs SVG support at run time and each size can have its own
// drawing.
// Usage: render_pictures SIZE SOURCE.svg OUTPUT.png [SIZE SOURCE.svg OUTPUT.png ...]
//        render_pictures --ico [--disabled] OUTPUT.ico SIZE SOURCE.svg [SIZE SOURCE.svg ...]
// An icon file holds its images from 16 to 48 pixels as bitmaps, which every Windows
// reads, and larger ones as PNG. --disabled makes the picture of a disabled button:
// the same drawing, greyed.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

bool render(const char* sizeText, const char* source, QImage& image) {
    const int size = std::atoi(sizeText);
    QSvgRenderer renderer{QString::fromLocal8Bit(source)};
    if (!renderer.isValid() || size <= 0 || size > 256) {
        std::fprintf(stderr, "render_pictures: cannot render %s at %s\n", source, sizeText);
        return false;
    }
    image = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return true;
}

// Grey and lighter, every shade kept, so that a disabled button still shows what it is.
void greyOut(QImage& image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 96 + qGray(line[x]) * 9 / 16;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
}

template <typename T>
void put(QByteArray& out, T value) {
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// A 32-bit bitmap as an icon holds it: the header with twice the height (colour and
// mask), the colour rows bottom up, then the mask, one bit a pixel, rows padded to four
// bytes, set where the picture is transparent.
QByteArray iconBitmap(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskRow = ((size + 31) / 32) * 4;
    QByteArray out;
    put<quint32>(out, 40);
    put<qint32>(out, size);
    put<qint32>(out, size * 2);
    put<quint16>(out, 1);
    put<quint16>(out, 32);
    put<quint32>(out, 0);
    put<quint32>(out, static_cast<quint32>(size * size * 4 + maskRow * size));
    for (int i = 0; i < 4; ++i) {
        put<quint32>(out, 0);
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            put<quint32>(out, image.pixel(x, y));  // 0xAARRGGBB: B, G, R, A in the file
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

bool writeIcon(const char* path, const std::vector<QImage>& images) {
    std::vector<QByteArray> data;
    for (const QImage& image : images) {
        if (image.width() <= 48) {
            data.push_back(iconBitmap(image));
        } else {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            data.push_back(png);
        }
    }
    QByteArray out;
    put<quint16>(out, 0);
    put<quint16>(out, 1);
    put<quint16>(out, static_cast<quint16>(images.size()));
    quint32 offset = static_cast<quint32>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        out.append(static_cast<char>(size >= 256 ? 0 : size));
        out.append(static_cast<char>(size >= 256 ? 0 : size));
        out.append('\0');
        out.append('\0');
        put<quint16>(out, 1);
        put<quint16>(out, 32);
        put<quint32>(out, static_cast<quint32>(data[i].size()));
        put<quint32>(out, offset);
        offset += static_cast<quint32>(data[i].size());
    }
    for (const QByteArray& d : data) {
        out.append(d);
    }
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

}  // namespace

// Only what stops the build is worth a line: Qt's notes on the session it runs in are not.
void printSerious(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "render_pictures: %s\n", qPrintable(message));
    }
}

int main(int argc, char** argv) {
    qInstallMessageHandler(printSerious);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc >= 3 && QByteArray(argv[1]) == "--ico") {
        const bool disabled = QByteArray(argv[2]) == "--disabled";
        const int first = disabled ? 3 : 2;  // the output, then the sizes and sources
        if (argc - first < 3 || (argc - first) % 2 != 1) {
            std::fputs("usage: render_pictures --ico [--disabled] OUTPUT.ico SIZE SOURCE.svg ...\n",
                       stderr);
            return 2;
        }
        std::vector<QImage> images;
        for (int i = first + 1; i + 1 < argc; i += 2) {
            QImage image;
            if (!render(argv[i], argv[i + 1], image)) {
                return 1;
            }
            if (disabled) {
                greyOut(image);
            }
            images.push_back(image);
        }
        if (!writeIcon(argv[first], images)) {
            std::fprintf(stderr, "render_pictures: cannot write %s\n", argv[first]);
            return 1;
        }
        return 0;
    }
    if (argc < 4 || (argc - 1) % 3 != 0) {
        std::fputs(
            "usage: render_pictures SIZE SOURCE.svg OUTPUT.png ...\n"
            "       render_pictures --ico [--disabled] OUTPUT.ico SIZE SOURCE.svg ...\n",
            stderr);
        return 2;
    }
    for (int i = 1; i + 2 < argc; i += 3) {
        QImage image;
        if (!render(argv[i], argv[i + 1], image)) {
            return 1;
        }
        if (!image.save(QString::fromLocal8Bit(argv[i + 2]), "PNG")) {
            std::fprintf(stderr, "render_pictures: cannot write %s\n", argv[i + 2]);
            return 1;
        }
    }
    return 0;
}
