#include "platform/qt/qt_accessibility.h"

#include <QAccessibleWidget>
#include <QToolButton>

namespace quendal::qt {
namespace {

QString qstring(const std::string& text) {
    return QString::fromStdString(text);
}

class WindowAccessible final : public QAccessibleWidget {
  public:
    WindowAccessible(QWidget* window, WindowSpeech& speech)
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
    WindowSpeech& speech_;
};

class StripAccessible final : public QAccessibleWidget {
  public:
    StripAccessible(QWidget* strip, WindowSpeech& speech)
        : QAccessibleWidget(strip, QAccessible::StatusBar), speech_(speech) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? qstring(speech_.reading()) : QString();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  private:
    WindowSpeech& speech_;
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

}  // namespace quendal::qt
