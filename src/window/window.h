#pragma once

#include "platform/interface/controls.h"
#include "platform/interface/form_host.h"
#include "platform/interface/wall_clock.h"
#include "reading/reading.h"

namespace quendal {

// The strip window's behaviour: its state and the handlers of its controls' events.
// The handlers are public so that they can call each other, as the design has them do,
// and so that tests can drive them; the controls raise them through their events.
class Window {
  public:
    Window(FormHost& host, const WallClock& clock, Beeper& beeper);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void Prog_Timer();
    void Go_Click();
    void Reset_Click();
    void Clock_Click();
    void StopWatch_Click();
    void Calendar_Click();
    void Alarm_Click();

    // Raises the alarm: checks the bell and brings the window up.
    void Flash();

  private:
    StopwatchStart startNow() const;
    static StopwatchStart startAt(const LocalTime& now);
    void alarmTest(double reading);

    const WallClock& clock_;
    Beeper& beeper_;
    Form& form_;
    CheckBox& Go;
    CommandButton& Reset;
    Label& Blue;
    Label& Red;
    Label& Yellow;
    Label& Green;
    CheckBox& Alarm;
    OptionButton& Clock;
    OptionButton& StopWatch;
    OptionButton& Calendar;
    Timer& Prog;

    // True while the window is in its normal state: the digits go to the labels rather
    // than to the caption.
    bool showDigits_ = false;
    StopwatchStart startTime_;
    bool weekend_ = false;
    bool alarmDone_ = false;
};

}  // namespace quendal
