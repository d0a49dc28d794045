#pragma once

#include <QString>
#include <string_view>

namespace quendal::qt {

// The rules' texts are UTF-8.
inline QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quendal::qt
