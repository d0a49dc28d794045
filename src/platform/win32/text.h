#pragma once

#include <string>
#include <string_view>

namespace quendal::win32 {

// Windows' UTF-16 from the program's UTF-8.
std::wstring wide(std::string_view text);
// The program's UTF-8 from Windows' UTF-16.
std::string narrow(std::wstring_view text);

}  // namespace quendal::win32
