#pragma once

#include <QWidget>

#include "platform/window_speech.h"

// What a screen reader finds of the window through Qt's accessibility: a frame named after
// its caption (the Reading said, while minimised), and in it one text for the whole strip
// of digits, the Reading as one number with its meaning, asked for afresh each time; the
// four labels it is made of are not shown apart.
namespace quendal::qt {

// A widget whose words come from the window's speech.
class Speaking {
  public:
    virtual ~Speaking() = default;
    virtual WindowSpeech& speech() const = 0;
};

// The holder of the four labels, said as one.
class ReadingStrip final : public QWidget, public Speaking {
  public:
    ReadingStrip(QWidget* parent, WindowSpeech& speech) : QWidget(parent), speech_(speech) {}
    WindowSpeech& speech() const override { return speech_; }

  private:
    WindowSpeech& speech_;
};

// Makes the screen reader's view of a Speaking top-level window and of a ReadingStrip.
// Installed once, before the first question.
void installAccessibility();

}  // namespace quendal::qt
