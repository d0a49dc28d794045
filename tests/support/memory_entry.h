#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/desktop/autostart.h"

namespace quendal::testing {

// An autostart entry kept in `content` (none: no file); each write fails with `failure`
// while that says why. Both are the caller's, and must outlive the entry.
inline Autostart::File memoryEntry(std::optional<std::string>& content,
                                   const std::string& failure) {
    return {[&content] { return content; },
            [&content, &failure](std::string_view text) -> std::optional<std::string> {
                if (!failure.empty()) {
                    return failure;
                }
                content = std::string(text);
                return std::nullopt;
            },
            [&content]() -> std::optional<std::string> {
                content.reset();
                return std::nullopt;
            }};
}

}  // namespace quendal::testing
