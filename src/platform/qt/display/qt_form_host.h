#pragma once

#include <QButtonGroup>
#include <QFont>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/interface/design.h"
#include "platform/qt/display/qt_accessibility.h"
#include "platform/rules/field_colours.h"
#include "platform/rules/form_model.h"
#include "platform/rules/speech.h"

namespace quendal::qt {

class QtFormHost;

// The top-level window: passes the platform's state changes and the user's closing on.
class FormWidget final : public QWidget, public Speaking {
  public:
    explicit FormWidget(QtFormHost& host) : host_(host) {}
    Speech& speech() const override;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QtFormHost& host_;
};

// The window and its controls as Qt widgets. The rules live in the models; this class
// makes the widgets, shows the models' state on them and passes their events on.
class QtFormHost final : public ModelHost, private ControlMaker {
  public:
    // How long an X window manager may take to confirm a state the program asked for.
    static constexpr std::chrono::milliseconds kConfirmationTime{500};

    // What shows the window beside its widgets, each where there is one: the taskbar
    // entry's bar and count, what shows each refresh's Reading (a tray item, a screen
    // reader), and what must be ready before the window is first shown.
    struct Beside {
        TaskbarProgress::Show showProgress;
        std::function<void(const Reading&, const ModeSelection&)> showReading;
        std::function<void()> beforeFirstShow;
    };
    // Whatever the program keeps beside the window for as long as the window lives.
    class Companion {
      public:
        virtual ~Companion() = default;
    };

    QtFormHost(const FormDesign& design, const Words& words, MonoClock now = steadyNow);
    QtFormHost(const QtFormHost&) = delete;
    QtFormHost& operator=(const QtFormHost&) = delete;
    ~QtFormHost() override;

    // Set once, before the start.
    void showBeside(Beside beside) { beside_ = std::move(beside); }
    // Kept until the window goes, and let go of first.
    void keep(std::unique_ptr<Companion> companion) { companion_ = std::move(companion); }
    // The desktop's colours for high contrast; none where it asks for none.
    void setHighContrast(std::optional<HighContrast> colours);

    FormWidget& widget() { return widget_; }
    ReadingStrip& strip() { return *strip_; }
    // The widget that shows the named control.
    QWidget* widgetOf(std::string_view name);
    Speech& speech() { return speech_; }

  protected:
    int exec() override;

  private:
    friend class FormWidget;
    PacedText::Show makeLabel(const ControlDesign& design) override;
    CheckBoxModel::Port makeCheckBox(const ControlDesign& design) override;
    std::function<void(bool)> makeOptionButton(const ControlDesign& design) override;
    std::function<void(bool)> makeCommandButton(const ControlDesign& design) override;
    TimerModel::Port makeTimer(const TimerDesign& design) override;
    void frameWindow(const QScreen* screen);
    void makeStrip();
    void setTabOrder();
    QToolButton* pictureButton(const ControlDesign& design);
    void place(QWidget* widget, const ControlDesign& design);
    void colourField(QWidget* label, const ControlDesign& design);
    // The fields' colours again, as the system's contrast or palette changes.
    void colourFields();
    void applyState(WindowState state);
    void showFirstTime();

    const FormDesign& design_;
    Speech speech_;
    Beside beside_;
    double dotsPerInch_ = kStandardDotsPerInch;
    QFont labelFont_;
    FormWidget widget_;
    ReadingStrip* strip_ = nullptr;
    QTimer frameTimer_;
    QTimer progTimer_;
    // The toolkit's own group gives the option buttons their keys (arrows move and
    // select, Tab reaches the selected one); which one is selected is the model's.
    QButtonGroup options_;
    std::map<std::string, QWidget*, std::less<>> widgets_;
    // The labels, coloured afresh when the desktop's palette or contrast changes.
    std::vector<std::pair<QLabel*, const ControlDesign*>> labels_;
    std::optional<HighContrast> highContrast_;
    // Last, so that it goes first, while the window and its models are still there.
    std::unique_ptr<Companion> companion_;
};

}  // namespace quendal::qt
