#pragma once

#include <string>

namespace quendal::reference {

// A second, independent way to the number text and the digit groups, built from
// printf's conversions and std::string, for cross-checking the real ones.
std::string trimmedNumberText(double value);

struct Groups {
    std::string blue, red, yellow, green, caption;
};
Groups groupsOf(double measured);

}  // namespace quendal::reference
