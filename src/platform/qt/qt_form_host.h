#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/design.h"
#include "platform/form_host.h"
#include "platform/qt/qt_controls.h"

namespace quendal::qt {

class QtForm;

// The top-level window. It only passes the user's state changes and closing on to the
// form; everything else is plain QWidget.
class FormWidget final : public QWidget {
  public:
    explicit FormWidget(QtForm& form) : form_(form) {}

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QtForm& form_;
};

class QtForm final : public Form {
  public:
    explicit QtForm(const FormDesign& design);

    void setCaption(std::string_view caption) override;
    WindowState windowState() const override { return state_; }
    void setWindowState(WindowState state) override;
    void onLoad(EventHandler handler) override { load_ = std::move(handler); }
    void onResize(EventHandler handler) override { resize_ = std::move(handler); }
    void onUnload(EventHandler handler) override { unload_ = std::move(handler); }

    FormWidget& widget() { return widget_; }
    // Load, then the first showing in the state the form then has.
    void loadAndShow();

    // From the widget: the window's state changed, by the user's doing (or the window
    // manager's on the user's behalf) or in confirmation of the program's own change.
    void stateReported(Qt::WindowStates states);
    void closedByUser();

  private:
    void applyState();

    FormWidget widget_;
    WindowState state_;
    // States the program asked for lately, oldest first, whose confirmation by the
    // platform may still come after a later change.
    struct Request {
        WindowState state;
        std::chrono::steady_clock::time_point at;
    };
    static constexpr std::chrono::milliseconds kConfirmationTime{500};
    std::vector<Request> pending_;
    bool applying_ = false;
    std::string caption_;
    EventHandler load_, resize_, unload_;
};

class QtFormHost final : public FormHost {
  public:
    explicit QtFormHost(const FormDesign& design);
    QtFormHost(const QtFormHost&) = delete;
    QtFormHost& operator=(const QtFormHost&) = delete;

    QtForm& form() override { return form_; }
    QtLabel& label(std::string_view name) override;
    QtCheckBox& checkBox(std::string_view name) override;
    QtOptionButton& optionButton(std::string_view name) override;
    QtCommandButton& commandButton(std::string_view name) override;
    QtTimer& timer(std::string_view name) override;
    int run() override;

    // The widget that shows the named control.
    QWidget* widgetOf(std::string_view name);

  private:
    void addControl(const ControlDesign& design, const QFont& labelFont);

    QtForm form_;
    QButtonGroup options_;
    std::string timerName_;
    std::unique_ptr<QtTimer> timer_;
    std::map<std::string, QWidget*, std::less<>> widgets_;
    std::map<std::string, std::unique_ptr<QtLabel>, std::less<>> labels_;
    std::map<std::string, std::unique_ptr<QtCheckBox>, std::less<>> checkBoxes_;
    std::map<std::string, std::unique_ptr<QtOptionButton>, std::less<>> optionButtons_;
    std::map<std::string, std::unique_ptr<QtCommandButton>, std::less<>> commandButtons_;
};

}  // namespace quendal::qt
