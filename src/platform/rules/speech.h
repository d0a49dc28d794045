#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/interface/design.h"
#include "platform/interface/monotonic.h"
#include "platform/interface/words.h"
#include "platform/rules/form_model.h"
#include "platform/rules/text_pacer.h"

namespace quendal {

// What a screen reader hears of the window, whatever toolkit carries it there: the
// Reading as one number with its meaning, at the moment it is asked for; the window's
// name; and the words of a control in its checked state, such as the ringing bell's.
// It may be asked at any moment of the window's life, before its controls exist too.
class Speech {
  public:
    Speech(const FormDesign& design, ModelHost& host, const Words& words)
        : design_(design), host_(host), words_(words) {}

    // "41.1917995 percent of the day": the digit groups of the latest refresh, which the
    // window shows in its labels or its caption, as one number in the user's number style,
    // in the meaning of the selected option. Worked out once per change of either, however
    // often it is asked for.
    std::string reading();
    // Minimised or maximised the caption carries the Reading, and the name is the Reading
    // said; in the normal state it is the caption.
    std::string windowName();
    // While a check box with words for its checked state is checked (the ringing bell),
    // those words; else nothing.
    std::string windowDescription();
    std::string name(const ControlDesign& control);
    std::string description(const ControlDesign& control);
    const Words& words() const { return words_; }
    // The texts of a control checked or not, in English.
    static const Text& nameWhen(const ControlDesign& control, bool checked);
    static const Text& descriptionWhen(const ControlDesign& control, bool checked);

  private:
    bool checked(const ControlDesign& control);
    Text selectedMeaning();

    struct Said {
        DigitGroups groups;
        Text meaning;
        std::string words;
    };

    const FormDesign& design_;
    ModelHost& host_;
    const Words& words_;
    std::optional<Said> said_;
};

// A screen reader, and a tray's tooltip, are told of a changed text once a second at
// most (the latest text always, within the second): they can ask for the text of the
// moment at any time, and a notice at every refresh would only be thrown away, at a cost
// to both. A rate for a TextPacer.
constexpr double kSpokenChangesPerSecond = 1.0;

// Words that follow the window, worked out only when they may be told: at the pacer's
// rate (kSpokenChangesPerSecond), the latest always, and told only where they differ
// from those told last. A change may be marked at any rate, each refresh's included, for
// the cost of a count.
class SpokenWords {
  public:
    SpokenWords(TextPacer& pacer, std::function<std::string()> say,
                std::function<void(std::string_view)> tell);
    void changed() { marker_.set(std::to_string(++changes_)); }

  private:
    std::function<std::string()> say_;
    std::function<void(std::string_view)> tell_;
    std::string told_;
    unsigned long changes_ = 0;
    PacedText marker_;
};

}  // namespace quendal
