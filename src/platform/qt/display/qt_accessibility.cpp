#include "platform/qt/display/qt_accessibility.h"

#include "platform/qt/shared/qt_wake.h"

#include "platform/qt/shared/qt_text.h"

#include <QAccessibleWidget>
#include <QToolButton>
#include <chrono>

namespace quendal::qt {
namespace {

class WindowAccessible final : public QAccessibleWidget {
  public:
    WindowAccessible(QWidget* window, Speech& speech)
        : QAccessibleWidget(window, QAccessible::Window), speech_(speech) {}

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name:
                return qstring(speech_.windowName());
            case QAccessible::Description:
                return qstring(speech_.windowDescription());
            default:
                return QAccessibleWidget::text(kind);
        }
    }

  private:
    Speech& speech_;
};

class StripAccessible final : public QAccessibleWidget {
  public:
    StripAccessible(QWidget* strip, Speech& speech)
        : QAccessibleWidget(strip, QAccessible::StatusBar), speech_(speech) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? qstring(speech_.reading()) : QString();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  private:
    Speech& speech_;
};

// An option of a group: a radio button, checked while selected, pressed by the action.
class OptionAccessible final : public QAccessibleWidget {
  public:
    explicit OptionAccessible(QToolButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton), button_(button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button_->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (button_->isEnabled()) {
                button_->click();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QToolButton* button_;
};

QAccessibleInterface* accessibleOf(const QString&, QObject* object) {
    if (auto* strip = dynamic_cast<ReadingStrip*>(object)) {
        return new StripAccessible(strip, strip->speech());
    }
    if (auto* button = qobject_cast<QToolButton*>(object); button && button->autoExclusive()) {
        return new OptionAccessible(button);
    }
    if (object && object->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(object);
        if (auto* speaking = dynamic_cast<Speaking*>(object); speaking && widget->isWindow()) {
            return new WindowAccessible(widget, speaking->speech());
        }
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::removeFactory(accessibleOf);
    QAccessible::installFactory(accessibleOf);
}

namespace {

// A notice of a new name for an object, whatever the name now is.
std::function<void(std::string_view)> tellNameChanged(QObject& object) {
    return [&object](std::string_view) {
        QAccessibleEvent told(&object, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&told);
    };
}

// The words a strip's speech says of the moment, as `words` works them out.
std::function<std::string()> said(ReadingStrip& strip, std::string (Speech::*words)()) {
    return [&strip, words] { return (strip.speech().*words)(); };
}

}  // namespace

ScreenReaderNotices::ScreenReaderNotices(QWidget& window, ReadingStrip& strip, ModelHost& host,
                                         MonoClock now)
    : window_(window),
      strip_(strip),
      pacer_(std::move(now), [this](std::chrono::nanoseconds delay) { wakeAfter(timer_, delay); }),
      windowName_(pacer_, said(strip_, &Speech::windowName), tellNameChanged(window_)),
      reading_(pacer_, said(strip_, &Speech::reading), tellNameChanged(strip_)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { pacer_.frameDue(); });
    pacer_.setFrameRate(kSpokenChangesPerSecond);
    windowChanges_ = host.changes().listen([this] { changed(); });
    pace_ = host.audience().listen([this](Pace pace) { pacer_.hold(pace == Pace::Unseen); });
    pacer_.hold(host.audience().pace() == Pace::Unseen);
}

void ScreenReaderNotices::readingChanged() {
    changed();
}

void ScreenReaderNotices::changed() {
    if (!QAccessible::isActive()) {
        return;
    }
    windowName_.changed();
    reading_.changed();
}

}  // namespace quendal::qt
