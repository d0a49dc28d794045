#include "window/window.h"

#include "window/rounding.h"
#include "window/window_design.h"

namespace quendal {
namespace {

constexpr std::string_view kRestartPending = "!";

// The alarm comes at 14:00 on Saturdays and Sundays and at 15:00 on other days, in
// clock mode; in the other modes at the same Reading.
constexpr double kWeekendThreshold = 1.0 / 3 + 58;
constexpr double kWeekdayThreshold = 62.5;

constexpr int kSunday = 1;
constexpr int kSaturday = 7;

}  // namespace

Window::Window(FormHost& host, const WallClock& clock, Beeper& beeper)
    : clock_(clock),
      beeper_(beeper),
      form_(host.form()),
      Go(host.checkBox(names::Go)),
      Reset(host.commandButton(names::Reset)),
      Blue(host.label(names::Blue)),
      Red(host.label(names::Red)),
      Yellow(host.label(names::Yellow)),
      Green(host.label(names::Green)),
      Alarm(host.checkBox(names::Alarm)),
      Clock(host.optionButton(names::Clock)),
      StopWatch(host.optionButton(names::StopWatch)),
      Calendar(host.optionButton(names::Calendar)),
      Prog(host.timer(names::Prog)) {
    form_.onLoad([this] { Form_Load(); });
    form_.onResize([this] { Form_Resize(); });
    form_.onUnload([this] { Form_Unload(); });
    Prog.onTimer([this] { Prog_Timer(); });
    Go.onClick([this] { Go_Click(); });
    Reset.onClick([this] { Reset_Click(); });
    Clock.onClick([this] { Clock_Click(); });
    StopWatch.onClick([this] { StopWatch_Click(); });
    Calendar.onClick([this] { Calendar_Click(); });
    Alarm.onClick([this] { Alarm_Click(); });
}

// The host may outlive the window: its events must then find no handler.
Window::~Window() {
    form_.onLoad(nullptr);
    form_.onResize(nullptr);
    form_.onUnload(nullptr);
    Prog.onTimer(nullptr);
    Go.onClick(nullptr);
    Reset.onClick(nullptr);
    Clock.onClick(nullptr);
    StopWatch.onClick(nullptr);
    Calendar.onClick(nullptr);
    Alarm.onClick(nullptr);
}

void Window::Form_Load() {
    // One instant for both: read apart, the start and the weekday could fall either side
    // of midnight, and a start as Friday ends would ring at Saturday's 15:00.
    const LocalTime now = clock_.now();
    startTime_ = startAt(now);
    alarmDone_ = false;
    weekend_ = now.date.weekday == kSunday || now.date.weekday == kSaturday;
    Go_Click();
    Reset_Click();
    Prog_Timer();
}

void Window::Form_Resize() {
    showDigits_ = form_.windowState() == WindowState::Normal;
    form_.setCaption(kProgramName);
}

void Window::Form_Unload() {
    form_.setWindowState(WindowState::Minimized);
}

void Window::Prog_Timer() {
    const ModeSelection modes{Clock.selected(), StopWatch.selected(), Calendar.selected()};
    const Reading reading = computeReading(modes, startTime_, clock_.now());
    if (showDigits_) {
        Blue.setCaption(reading.groups.blue.view());
        Red.setCaption(reading.groups.red.view());
        Yellow.setCaption(reading.groups.yellow.view());
        Green.setCaption(reading.groups.green.view());
    } else {
        form_.setCaption(reading.caption.view());
    }
    form_.setReading(reading, modes);
    alarmTest(reading.value);
}

void Window::Go_Click() {
    Prog.setEnabled(Go.value() == 1);
    if (Reset.tag() == kRestartPending && Prog.enabled()) {
        Reset.setTag("");
        startTime_ = startNow();
    }
}

void Window::Reset_Click() {
    if (!Prog.enabled()) {
        Reset.setTag(kRestartPending);
    } else {
        startTime_ = startNow();
    }
    Prog_Timer();
}

void Window::StopWatch_Click() {
    Go.setEnabled(true);
    Reset.setEnabled(true);
    Go_Click();
}

// Go holds the stop watch only: the clock and the calendar always run, even when a
// hold is carried over from the stop watch, so that their alarm cannot pass unseen.
void Window::Clock_Click() {
    Go.setEnabled(false);
    Reset.setEnabled(false);
    Go_Click();
    Prog.setEnabled(true);
    Prog_Timer();
}

void Window::Calendar_Click() {
    Clock_Click();
}

void Window::Alarm_Click() {
    alarmDone_ = true;
}

void Window::Flash() {
    Alarm.setValue(1);
    form_.setWindowState(WindowState::Normal);
}

StopwatchStart Window::startNow() const {
    return startAt(clock_.now());
}

StopwatchStart Window::startAt(const LocalTime& now) {
    return StopwatchStart{roundToInt32(now.secondsSinceMidnight), now.date};
}

void Window::alarmTest(double reading) {
    const bool due =
        (reading >= kWeekendThreshold && weekend_) || (!weekend_ && reading >= kWeekdayThreshold);
    if (due && !alarmDone_) {
        Flash();
    }
    if (Alarm.value() == 1) {
        beeper_.beep();
    }
}

}  // namespace quendal
