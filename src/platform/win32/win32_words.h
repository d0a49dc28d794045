#pragma once

#include <windows.h>

#include <string_view>

#include "platform/interface/words.h"

namespace quendal::win32 {

// A text's number in the program's string tables, which the build makes from the
// translations (one table per language).
struct TextId {
    std::string_view context;
    std::string_view english;
    UINT id;
};

// The user's words on Windows: the string table of the user's UI language, chosen by
// Windows as for every resource, and numbers in the user's own number format.
class Win32Words final : public Words {
  public:
    explicit Win32Words(HINSTANCE instance) : instance_(instance) {}
    std::string text(const Text& text) const override;
    std::string decimal(std::string_view number) const override;

  private:
    HINSTANCE instance_;
};

}  // namespace quendal::win32
