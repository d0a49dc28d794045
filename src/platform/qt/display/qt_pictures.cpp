#include "platform/qt/display/qt_pictures.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <span>
#include <string>

namespace quendal::qt {
namespace {

// The pictures come rendered at 16, 32, 48 and 64 pixels. A button shows its picture at
// 32 pixels, 64 on a doubled screen; the window icon offers every size to the taskbar.
// Each size given is read when the icon is made, so a button takes only those it uses.
constexpr int kButtonPictureSizes[] = {32, 64};
constexpr int kIconSizes[] = {16, 32, 48, 64};

void addPicture(QIcon& icon, std::span<const int> sizes, std::string_view name,
                QIcon::State state) {
    const QString qname = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const int size : sizes) {
        // Read as PNG and nothing else: a reader left to guess the format loads every
        // image format plugin there is to ask each of them.
        QImageReader reader(QStringLiteral(":/pictures/%1-%2.png").arg(qname).arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()), QIcon::Normal, state);
    }
}

QIcon picture(std::span<const int> sizes, std::string_view name,
              std::string_view checkedPicture = {}) {
    QIcon icon;
    addPicture(icon, sizes, name, QIcon::Off);
    if (!checkedPicture.empty()) {
        addPicture(icon, sizes, checkedPicture, QIcon::On);
    }
    return icon;
}

class LazyPicture final : public QIconEngine {
  public:
    LazyPicture(std::string_view name, std::string_view checkedPicture)
        : name_(name), checkedPicture_(checkedPicture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new LazyPicture(*this); }

  private:
    const QIcon& icon() {
        if (icon_.isNull()) {
            icon_ = picture(kButtonPictureSizes, name_, checkedPicture_);
        }
        return icon_;
    }

    std::string name_;
    std::string checkedPicture_;
    QIcon icon_;
};

}  // namespace

QIcon windowIcon(std::string_view name) {
    return picture(kIconSizes, name);
}

QIcon buttonPicture(std::string_view name, std::string_view checkedPicture) {
    return QIcon(new LazyPicture(name, checkedPicture));
}

}  // namespace quendal::qt
