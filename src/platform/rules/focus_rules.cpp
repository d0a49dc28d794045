#include "platform/rules/focus_rules.h"

namespace quendal {
namespace {

bool isStop(const FocusStop& stop) {
    return stop.enabled && (stop.group.empty() || stop.selected);
}

// The first control after (or before) `from`, round at the ends and `from` itself last,
// that `wanted` accepts; from the frame, the first (or the last) that it accepts.
template <typename Wanted>
std::optional<std::size_t> nextWhere(std::span<const FocusStop> order,
                                     std::optional<std::size_t> from, bool forward, Wanted wanted) {
    const std::size_t count = order.size();
    for (std::size_t step = 1; step <= count; ++step) {
        std::size_t at = 0;
        if (from) {
            at = forward ? (*from + step) % count : (*from + count - step) % count;
        } else {
            at = forward ? step - 1 : count - step;
        }
        if (wanted(order[at])) {
            return at;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> focusAfterKey(std::span<const FocusStop> order,
                                         std::optional<std::size_t> from, FocusKey key) {
    const bool forward = key == FocusKey::Tab || key == FocusKey::Right || key == FocusKey::Down;
    if (key == FocusKey::Tab || key == FocusKey::BackTab) {
        return nextWhere(order, from, forward, isStop);
    }
    if (!from || order[*from].group.empty()) {
        return std::nullopt;
    }
    const std::string_view group = order[*from].group;
    return nextWhere(order, from, forward, [group](const FocusStop& stop) {
        return stop.enabled && stop.group == group;
    });
}

std::optional<std::size_t> focusAfterDisabling(std::span<const FocusStop> order, std::size_t from) {
    const auto next = nextWhere(order, from, true, isStop);
    return next == from ? std::nullopt : next;
}

}  // namespace quendal
