// Fuzz target: any 64-bit float, as number text and as digit groups, must agree with the
// independent reference. Built and run by scripts/fuzz.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "reading/number_text.h"
#include "reading/reading.h"
#include "support/reference_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) {
        return 0;
    }
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value)) {
        return 0;
    }
    const std::string text(quendal::trimmedNumberText(value).view());
    const std::string expectedText = quendal::reference::trimmedNumberText(value);
    const std::string caption(quendal::readingOf(value).caption.view());
    const std::string expectedCaption = quendal::reference::groupsOf(value).caption;
    if (text != expectedText || caption != expectedCaption) {
        std::fprintf(
            stderr, "value %.17g: text '%s' (reference '%s'), caption '%s' (reference '%s')\n",
            value, text.c_str(), expectedText.c_str(), caption.c_str(), expectedCaption.c_str());
        std::abort();
    }
    return 0;
}
