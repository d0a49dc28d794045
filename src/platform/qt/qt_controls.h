#pragma once

#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <string>

#include "platform/controls.h"

// The controls as Qt widgets. Each adapter turns the widget's signals into the
// control's events and keeps what it last showed, so that setting the same text again
// does not touch the widget.
namespace quendal::qt {

// A label's accessible name carries its digits after its own name ("Whole percent 14"),
// since a name set on a label hides its text from screen readers.
class QtLabel final : public Label {
  public:
    QtLabel(QLabel* widget, QString accessibleName)
        : widget_(widget), accessibleName_(std::move(accessibleName)) {}
    void setCaption(std::string_view caption) override;
    QLabel* widget() const { return widget_; }

  private:
    QLabel* widget_;
    QString accessibleName_;
    std::string caption_;
};

class QtCheckBox final : public CheckBox {
  public:
    explicit QtCheckBox(QToolButton* widget);
    int value() const override { return widget_->isChecked() ? 1 : 0; }
    void setValue(int value) override { widget_->setChecked(value == 1); }
    bool enabled() const override { return widget_->isEnabled(); }
    void setEnabled(bool enabled) override { widget_->setEnabled(enabled); }
    void onClick(EventHandler handler) override { click_ = std::move(handler); }
    QToolButton* widget() const { return widget_; }

  private:
    QToolButton* widget_;
    EventHandler click_;
};

class QtOptionButton final : public OptionButton {
  public:
    explicit QtOptionButton(QToolButton* widget);
    bool selected() const override { return widget_->isChecked(); }
    void onClick(EventHandler handler) override { click_ = std::move(handler); }
    QToolButton* widget() const { return widget_; }

  private:
    QToolButton* widget_;
    EventHandler click_;
};

class QtCommandButton final : public CommandButton {
  public:
    explicit QtCommandButton(QToolButton* widget);
    bool enabled() const override { return widget_->isEnabled(); }
    void setEnabled(bool enabled) override { widget_->setEnabled(enabled); }
    std::string_view tag() const override { return tag_; }
    void setTag(std::string_view tag) override { tag_ = tag; }
    void onClick(EventHandler handler) override { click_ = std::move(handler); }
    QToolButton* widget() const { return widget_; }

  private:
    QToolButton* widget_;
    std::string tag_;
    EventHandler click_;
};

class QtTimer final : public Timer {
  public:
    QtTimer(QObject* parent, int intervalMs);
    bool enabled() const override { return timer_->isActive(); }
    void setEnabled(bool enabled) override;
    void onTimer(EventHandler handler) override { handler_ = std::move(handler); }

  private:
    QTimer* timer_;
    EventHandler handler_;
};

}  // namespace quendal::qt
