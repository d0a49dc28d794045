#pragma once

#include <QTimer>
#include <QWidget>

#include "platform/rules/form_model.h"
#include "platform/rules/speech.h"
#include "platform/rules/text_pacer.h"

// What a screen reader finds of the window through Qt's accessibility: a frame named after
// its caption (the Reading said, while minimised), and in it one text for the whole strip
// of digits, the Reading as one number with its meaning, asked for afresh each time; the
// four labels it is made of are not shown apart.
namespace quendal::qt {

// A widget whose words come from the window's speech.
class Speaking {
  public:
    virtual ~Speaking() = default;
    virtual Speech& speech() const = 0;
};

// The holder of the four labels, said as one.
class ReadingStrip final : public QWidget, public Speaking {
  public:
    ReadingStrip(QWidget* parent, Speech& speech) : QWidget(parent), speech_(speech) {}
    Speech& speech() const override { return speech_; }

  private:
    Speech& speech_;
};

// Makes the screen reader's view of a Speaking top-level window and of a ReadingStrip.
// Installed once, before the first question.
void installAccessibility();

// Tells a screen reader that the window's name or the Reading has changed, each at most
// once a second (see kSpokenChangesPerSecond), and nothing while nobody can see the screen; it
// hears the words of the moment whenever it asks. Follows each refresh and each change
// of the window's models; where no screen reader listens, costs nothing more.
class ScreenReaderNotices {
  public:
    ScreenReaderNotices(QWidget& window, ReadingStrip& strip, ModelHost& host, MonoClock now);
    ScreenReaderNotices(const ScreenReaderNotices&) = delete;
    ScreenReaderNotices& operator=(const ScreenReaderNotices&) = delete;

    // Each refresh's Reading has been set.
    void readingChanged();

  private:
    void changed();

    QWidget& window_;
    ReadingStrip& strip_;
    QTimer timer_;
    TextPacer pacer_;
    SpokenWords windowName_;
    SpokenWords reading_;
    Notice<>::Subscription windowChanges_;
    Audience::Listening pace_;
};

}  // namespace quendal::qt
