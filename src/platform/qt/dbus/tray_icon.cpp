#include "platform/qt/dbus/tray_icon.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include "platform/qt/shared/qt_text.h"

namespace quendal::qt {
namespace {

QColor qcolor(const Rgb& c) {
    return QColor(c.red, c.green, c.blue);
}

}  // namespace

IconPixmap drawTile(const CountTile& tile, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(qcolor(tile.background));
    QPainter painter(&image);
    painter.setPen(qcolor(tile.frame));
    painter.drawRect(0, 0, size - 1, size - 1);
    const QString text = qstring(tile.text);
    QFont font(QStringLiteral("Sans"));
    font.setBold(true);
    font.setPixelSize(tile.digitHeight(size, [&](int height) {
        font.setPixelSize(height);
        return QFontMetrics(font).horizontalAdvance(text);
    }));
    painter.setFont(font);
    painter.setPen(qcolor(tile.digits));
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, text);
    painter.end();
    IconPixmap pixmap{size, size, QByteArray(size * size * 4, Qt::Uninitialized)};
    auto* out = reinterpret_cast<uchar*>(pixmap.argb.data());
    for (int y = 0; y < size; ++y) {
        const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            qToBigEndian(line[x], out);
            out += 4;
        }
    }
    return pixmap;
}

}  // namespace quendal::qt
