#include "platform/qt/qt_words.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace quendal::qt {
namespace {

constexpr Text kDay = translatable("Strip", "%1 percent of the day");
constexpr Text kQuit = translatable("Tray", "Quit");

// The spoken Reading at 03:25:46 and the tray's Quit, as a user of each locale gets them
// from the translations built into the program (none: a folder with nothing readable).
TEST(QtWordsTest, TheReadingIsSaidInTheLocalesWordsAndNumberStyle) {
    QTemporaryDir unreadable;
    QFile empty(unreadable.filePath(QStringLiteral("quendal_de.qm")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const QString builtIn = QStringLiteral(":/i18n");
    struct Row {
        const char* locale;
        QString folder;
        const char* reading;
        const char* quit;
    };
    const Row rows[] = {
        {"en_US", builtIn, "14.2893518 percent of the day", "Quit"},
        {"de_DE", builtIn, "14,2893518 Prozent des Tages", "Beenden"},
        {"fr_FR", builtIn, "14,2893518 pour cent de la journée", "Quitter"},
        {"ja_JP", builtIn, "1日の14.2893518パーセント", "終了"},
        // Arabic has no translation: English words, the locale's own digits and mark.
        {"ar_EG", builtIn, "١٤٫٢٨٩٣٥١٨ percent of the day", "Quit"},
        {"sv_SE", builtIn, "14,2893518 percent of the day", "Quit"},
        {"xx_YY", builtIn, "14.2893518 percent of the day", "Quit"},
        {"C", builtIn, "14.2893518 percent of the day", "Quit"},
        {"de_DE", unreadable.path(), "14,2893518 percent of the day", "Quit"},
        {"de_DE", QStringLiteral("/nonexistent"), "14,2893518 percent of the day", "Quit"},
    };
    for (const Row& row : rows) {
        const QtWords words(QLocale(QString::fromLatin1(row.locale)), row.folder);
        EXPECT_EQ(fillIn(words.text(kDay), {words.decimal("14.2893518")}), row.reading)
            << row.locale << " from " << row.folder.toStdString();
        EXPECT_EQ(words.text(kQuit), row.quit) << row.locale;
    }
}

// Every digit the Reading shows is said, none added or rounded away.
TEST(QtWordsTest, NumbersKeepEveryDigit) {
    const QtWords words(QLocale(QStringLiteral("de_DE")));
    for (const auto& [number, said] :
         {std::pair{"0.034722", "0,034722"}, std::pair{"100.1388889", "100,1388889"},
          std::pair{"62.5", "62,5"}, std::pair{"58", "58"}}) {
        EXPECT_EQ(words.decimal(number), said);
    }
}

}  // namespace
}  // namespace quendal::qt
