#pragma once

#include <QButtonGroup>
#include <QFont>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <chrono>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/design.h"
#include "platform/form_model.h"
#include "platform/qt/qt_accessibility.h"
#include "platform/qt/qt_launcher_entry.h"
#include "platform/qt/x11.h"
#include "platform/window_speech.h"

namespace quendal::qt {

class BusServiceWatch;
class HighContrastWatch;
class StatusNotifier;
class QtFormHost;

// The top-level window: passes the platform's state changes and the user's closing on.
class FormWidget final : public QWidget, public Speaking {
  public:
    explicit FormWidget(QtFormHost& host) : host_(host) {}
    WindowSpeech& speech() const override;

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

    explicit QtFormHost(const FormDesign& design, MonoClock now = steadyNow);
    QtFormHost(const QtFormHost&) = delete;
    QtFormHost& operator=(const QtFormHost&) = delete;
    ~QtFormHost() override;

    // Hears, from then on, what the desktop's services say of whether anyone sees the
    // screen and whether the system saves power.
    void watchTheDesktop();

    FormWidget& widget() { return widget_; }
    // The widget that shows the named control.
    QWidget* widgetOf(std::string_view name);
    WindowSpeech& speech() { return speech_; }

  protected:
    int exec() override;

  private:
    friend class FormWidget;
    PacedText::Show makeLabel(const ControlDesign& design) override;
    CheckBoxModel::Port makeCheckBox(const ControlDesign& design) override;
    std::function<void(bool)> makeOptionButton(const ControlDesign& design) override;
    std::function<void(bool)> makeCommandButton(const ControlDesign& design) override;
    TimerModel::Port makeTimer(const TimerDesign& design) override;
    QToolButton* pictureButton(const ControlDesign& design);
    void place(QWidget* widget, const ControlDesign& design);
    void colourField(QWidget* label, const ControlDesign& design);
    // The fields' colours again, as the system's contrast or palette changes.
    void colourFields();
    void applyState(WindowState state);
    void showFirstTime();
    void tellScreenReader();

    const FormDesign& design_;
    WindowSpeech speech_;
    LauncherEntry launcherEntry_;
    double dotsPerInch_ = kStandardDotsPerInch;
    QFont labelFont_;
    FormWidget widget_;
    ReadingStrip* strip_ = nullptr;
    // Changes of the Reading told to a screen reader, at most once a second.
    QTimer speechTimer_;
    QuietNotifier windowName_;
    QuietNotifier reading_;
    QTimer frameTimer_;
    QTimer progTimer_;
    // The toolkit's own group gives the option buttons their keys (arrows move and
    // select, Tab reaches the selected one); which one is selected is the model's.
    QButtonGroup options_;
    std::map<std::string, QWidget*, std::less<>> widgets_;
    // The labels, coloured afresh when the desktop's palette or contrast changes.
    std::vector<std::pair<QLabel*, const ControlDesign*>> labels_;
    std::unique_ptr<HighContrastWatch> highContrast_;
    std::unique_ptr<FramingWatch> framingWatch_;
    bool sessionBus_ = false;
    // The tray item, where there is a session bus to offer it on.
    std::unique_ptr<StatusNotifier> tray_;
    // The screen reader's notices stop while nobody can see the screen.
    Audience::Listening speechPace_;
    // Last, so that they go first: nothing reports to the models once they are gone.
    std::vector<std::unique_ptr<BusServiceWatch>> busWatches_;
    std::unique_ptr<XScreenWatch> xScreenWatch_;
};

}  // namespace quendal::qt
