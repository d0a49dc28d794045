#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace quendal {

// A short string held inline, so that a refresh never touches the heap.
// Text beyond the capacity is dropped; every user sizes it for its longest text.
template <std::size_t Capacity>
class FixedText {
  public:
    constexpr FixedText() = default;
    constexpr explicit FixedText(std::string_view text) { append(text); }

    constexpr void append(std::string_view text) noexcept {
        const std::size_t count = std::min(text.size(), Capacity - size_);
        std::copy_n(text.data(), count, chars_.data() + size_);
        size_ += count;
    }
    constexpr void push(char c) noexcept {
        if (size_ < Capacity) {
            chars_[size_++] = c;
        }
    }

    constexpr std::string_view view() const noexcept { return {chars_.data(), size_}; }
    constexpr std::size_t size() const noexcept { return size_; }
    constexpr bool empty() const noexcept { return size_ == 0; }

    friend constexpr bool operator==(const FixedText& a, const FixedText& b) noexcept {
        return a.view() == b.view();
    }
    friend constexpr bool operator==(const FixedText& a, std::string_view b) noexcept {
        return a.view() == b;
    }

  private:
    std::array<char, Capacity> chars_{};
    std::size_t size_ = 0;
};

}  // namespace quendal
