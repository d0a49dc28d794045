#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include "platform/interface/words.h"

namespace quendal::qt {

// The user's words on a Linux desktop: the translations built into the program for the
// locale's languages (LANGUAGE, LC_MESSAGES, LANG, as every Qt program takes them), and
// numbers in the locale's own style. A language without a translation, a locale the
// system does not know and a translation that cannot be read all give the English.
class QtWords final : public Words {
  public:
    explicit QtWords(const QLocale& locale = QLocale::system(),
                     const QString& folder = QStringLiteral(":/i18n"));
    std::string text(const Text& text) const override;
    std::string decimal(std::string_view number) const override;

  private:
    QLocale locale_;
    QTranslator translator_;
};

}  // namespace quendal::qt
