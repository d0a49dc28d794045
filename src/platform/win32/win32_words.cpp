#include "platform/win32/win32_words.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/win32/text.h"
#include "platform/win32/text_ids.h"

namespace quendal::win32 {
namespace {

constexpr bool before(const TextId& a, const TextId& b) {
    return a.context != b.context ? a.context < b.context : a.english < b.english;
}
static_assert(std::is_sorted(std::begin(kTextIds), std::end(kTextIds), before));

std::wstring localeInfo(LCTYPE what) {
    wchar_t value[16]{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, value, 16);
    return std::wstring(value, length > 0 ? static_cast<std::size_t>(length - 1) : 0);
}

}  // namespace

std::string Win32Words::text(const Text& text) const {
    const TextId wanted{text.context, text.english, 0};
    const auto found = std::lower_bound(std::begin(kTextIds), std::end(kTextIds), wanted, before);
    if (found == std::end(kTextIds) || found->context != text.context ||
        found->english != text.english) {
        return std::string(text.english);
    }
    // The string as it stands in the resources, not copied; none in the user's language's
    // table, or no table: the English.
    const wchar_t* translated = nullptr;
    const int length =
        LoadStringW(instance_, found->id, reinterpret_cast<wchar_t*>(&translated), 0);
    if (length <= 0) {
        return std::string(text.english);
    }
    return narrow(std::wstring_view(translated, static_cast<std::size_t>(length)));
}

std::string Win32Words::decimal(std::string_view number) const {
    const std::size_t point = number.find('.');
    const std::wstring decimalMark = localeInfo(LOCALE_SDECIMAL);
    std::wstring noGrouping;
    NUMBERFMTW format{};
    format.NumDigits =
        point == std::string_view::npos ? 0 : static_cast<UINT>(number.size() - point - 1);
    format.LeadingZero = 1;
    format.Grouping = 0;
    format.lpDecimalSep = const_cast<wchar_t*>(decimalMark.c_str());
    format.lpThousandSep = noGrouping.data();
    format.NegativeOrder = 1;
    const std::wstring digits = wide(number);
    wchar_t said[64]{};
    if (GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, digits.c_str(), &format, said, 64) <= 0) {
        return std::string(number);
    }
    return narrow(said);
}

}  // namespace quendal::win32
