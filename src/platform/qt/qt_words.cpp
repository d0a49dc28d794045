#include "platform/qt/qt_words.h"

#include <charconv>
#include <string>

namespace quendal::qt {

QtWords::QtWords(const QLocale& locale, const QString& folder) : locale_(locale) {
    // Grouping would only put a thousands mark into a percentage where none is read.
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    // Not found, empty or unreadable: nothing is loaded, and every text stays English.
    (void)translator_.load(locale, QStringLiteral("quendal"), QStringLiteral("_"), folder);
}

std::string QtWords::text(const Text& text) const {
    const std::string context(text.context);
    const std::string english(text.english);
    const QString translated = translator_.translate(context.c_str(), english.c_str());
    return translated.isEmpty() ? english : translated.toStdString();
}

std::string QtWords::decimal(std::string_view number) const {
    double value = 0;
    const char* end = number.data() + number.size();
    // from_chars reads the point whatever the process's C locale says.
    if (std::from_chars(number.data(), end, value).ptr != end) {
        return std::string(number);
    }
    const std::size_t point = number.find('.');
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(number.size() - point - 1);
    return locale_.toString(value, 'f', decimals).toStdString();
}

}  // namespace quendal::qt
