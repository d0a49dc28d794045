#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

// Where the keyboard focus goes in a window of controls, whatever toolkit draws them. Tab
// and Shift+Tab go through the controls in their tab order, past the disabled ones, and of
// a group of options only the selected one is a stop; from the frame itself Tab starts at
// the first stop and Shift+Tab at the last. The arrows move within a group of options, past
// its disabled members and round at its ends, and the option they reach is then selected.
namespace quendal {

enum class FocusKey { Tab, BackTab, Left, Right, Up, Down };

// A control that takes the focus, as the keyboard sees it now.
struct FocusStop {
    std::string_view group;  // an option's group; empty for any other control
    bool enabled = true;
    bool selected = false;  // options only
};

// The control, by its place in `order` (the tab order), that `key` gives the focus to when
// pressed on `from` (none: the frame has it). None where the key is not one of these rules'
// (an arrow on a control that is no option) or no control can take the focus.
std::optional<std::size_t> focusAfterKey(std::span<const FocusStop> order,
                                         std::optional<std::size_t> from, FocusKey key);

// The control that takes the focus from `from` as it is disabled: the next stop after it in
// the tab order; none when no other control can take it, and the frame keeps it.
std::optional<std::size_t> focusAfterDisabling(std::span<const FocusStop> order, std::size_t from);

}  // namespace quendal
