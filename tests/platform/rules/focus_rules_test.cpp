#include "platform/rules/focus_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/interface/design.h"
#include "window/window_design.h"

namespace quendal {
namespace {

// The strip's controls in tab order: Alarm Go Clock StopWatch Reset Calendar, the three
// modes one group with Reset standing between StopWatch and Calendar.
TEST(FocusRules, TheKeysMoveTheFocusAsInADialog) {
    const std::vector<const ControlDesign*> controls = focusOrder(windowDesign());
    const struct {
        const char* enabled;  // the others disabled
        const char* selected;
        const char* from;             // "": the frame
        std::optional<FocusKey> key;  // none: `from` is being disabled
        const char* to;  // "": nowhere (the frame keeps it, or the key is not the rules')
    } cases[] = {
        {"Alarm Clock StopWatch Calendar", "Clock", "", FocusKey::Tab, "Alarm"},
        {"Alarm Clock StopWatch Calendar", "Clock", "", FocusKey::BackTab, "Clock"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Alarm", FocusKey::Tab, "Clock"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Clock", FocusKey::Tab, "Alarm"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Clock", "Clock", FocusKey::Tab, "Reset"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Clock", "Reset", FocusKey::Tab, "Alarm"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Calendar", "Reset", FocusKey::Tab, "Calendar"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Calendar", "Alarm", FocusKey::BackTab,
         "Calendar"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Clock", FocusKey::Right, "StopWatch"},
        {"Alarm Go Clock StopWatch Reset Calendar", "StopWatch", "StopWatch", FocusKey::Down,
         "Calendar"},
        {"Alarm Clock StopWatch Calendar", "Calendar", "Calendar", FocusKey::Right, "Clock"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Clock", FocusKey::Left, "Calendar"},
        {"Alarm Clock StopWatch Calendar", "Clock", "Clock", FocusKey::Up, "Calendar"},
        {"Alarm Clock Calendar", "Clock", "Clock", FocusKey::Right, "Calendar"},
        {"Alarm Clock", "Clock", "Clock", FocusKey::Down, "Clock"},
        {"Alarm Go Clock StopWatch Calendar", "Clock", "Go", FocusKey::Right, ""},
        {"", "Clock", "", FocusKey::Tab, ""},
        {"Alarm Go Clock StopWatch Reset Calendar", "Clock", "Go", std::nullopt, "Clock"},
        {"Alarm Go Clock StopWatch Reset Calendar", "Clock", "Reset", std::nullopt, "Alarm"},
        {"Alarm Go Calendar", "Clock", "Go", std::nullopt, "Alarm"},
        {"Alarm", "Clock", "Alarm", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        std::vector<FocusStop> order;
        std::optional<std::size_t> from;
        for (const ControlDesign* control : controls) {
            const std::string name(control->name);
            std::istringstream enabled(c.enabled);
            std::string word;
            bool on = false;
            while (enabled >> word) {
                on = on || word == name;
            }
            order.push_back({control->group, on, name == c.selected});
            if (name == c.from) {
                from = order.size() - 1;
            }
        }
        const auto to =
            c.key ? focusAfterKey(order, from, *c.key) : focusAfterDisabling(order, *from);
        EXPECT_EQ(to ? std::string(controls[*to]->name) : "", c.to)
            << c.from << " key " << (c.key ? static_cast<int>(*c.key) : -1) << ", enabled "
            << c.enabled << ", selected " << c.selected;
    }
}

}  // namespace
}  // namespace quendal
