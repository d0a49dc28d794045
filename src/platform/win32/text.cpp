#include "platform/win32/text.h"

#include <windows.h>

namespace quendal::win32 {

std::wstring wide(std::string_view text) {
    std::wstring result;
    if (text.empty()) {
        return result;
    }
    const int size = static_cast<int>(text.size());
    result.resize(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)));
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, result.data(),
                        static_cast<int>(result.size()));
    return result;
}

std::string narrow(std::wstring_view text) {
    std::string result;
    if (text.empty()) {
        return result;
    }
    const int size = static_cast<int>(text.size());
    result.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)));
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(),
                        static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

}  // namespace quendal::win32
