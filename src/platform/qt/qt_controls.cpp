#include "platform/qt/qt_controls.h"

namespace quendal::qt {
namespace {}  // namespace

void QtLabel::setCaption(std::string_view caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    const QString text =
        QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
    widget_->setText(text);
    widget_->setAccessibleName(accessibleName_ + QLatin1Char(' ') + text);
}

// toggled follows every actual change of the checked state, whether a click, the space
// key or setChecked made it, and only those.
QtCheckBox::QtCheckBox(QToolButton* widget) : widget_(widget) {
    QObject::connect(widget_, &QToolButton::toggled, [this] { raise(click_); });
}

// clicked follows the user's selection only, never a change the program makes.
QtOptionButton::QtOptionButton(QToolButton* widget) : widget_(widget) {
    QObject::connect(widget_, &QToolButton::clicked, [this] { raise(click_); });
}

QtCommandButton::QtCommandButton(QToolButton* widget) : widget_(widget) {
    QObject::connect(widget_, &QToolButton::clicked, [this] { raise(click_); });
}

QtTimer::QtTimer(QObject* parent, int intervalMs) : timer_(new QTimer(parent)) {
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(intervalMs);
    QObject::connect(timer_, &QTimer::timeout, [this] { raise(handler_); });
}

void QtTimer::setEnabled(bool enabled) {
    // Starting a running timer would restart its interval; leave it running instead.
    if (enabled && !timer_->isActive()) {
        timer_->start();
    } else if (!enabled) {
        timer_->stop();
    }
}

}  // namespace quendal::qt
