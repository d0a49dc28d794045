#include "platform/desktop/autostart.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/memory_entry.h"

namespace quendal {
namespace {

constexpr std::string_view kProgram = "[Desktop Entry]\nName=Quendal\nExec=quendal\n";

TEST(Autostart, TheEntryGoesInTheUsersConfigurationFolder) {
    EXPECT_EQ(Autostart::entryPath("/x/config", "/home", "q.desktop"),
              "/x/config/autostart/q.desktop");
    EXPECT_EQ(Autostart::entryPath("relative", "/home", "q.desktop"),
              "/home/.config/autostart/q.desktop");
    EXPECT_EQ(Autostart::entryPath("", "", "q.desktop"), std::nullopt);
}

// The user's file before and after a click on the check item: the program's own entry
// comes and goes; the user's own is shown or hidden, never deleted.
TEST(Autostart, ChecksOnlyWhatStartsTheClockAndNeverDeletesTheUsersEntry) {
    const std::string user = "[Desktop Entry]\nName=Mine\nExec=quendal --mine\n";
    const struct {
        std::optional<std::string> before;  // none: no file
        bool checkedBefore;
        std::optional<std::string> after;
        const char* failure = "";  // the write's, where it fails
    } cases[] = {
        {std::nullopt, false, std::string(kProgram)},
        {std::string(kProgram), true, std::nullopt},
        {user, true, "[Desktop Entry]\nHidden=true\nName=Mine\nExec=quendal --mine\n"},
        {"[Desktop Entry]\nHidden=true\nName=Mine\n", false, "[Desktop Entry]\nName=Mine\n"},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\nName=Mine\n", false,
         "[Desktop Entry]\nName=Mine\n"},
        // Another group's keys are not the entry's.
        {"[Desktop Entry]\nName=Mine\n[Desktop Action x]\nHidden=true\n", true,
         "[Desktop Entry]\nHidden=true\nName=Mine\n[Desktop Action x]\nHidden=true\n"},
        {"[Desktop Entry]\nHidden = false\n", true, "[Desktop Entry]\nHidden=true\n"},
        // A write that fails leaves the file, and the check, as they were.
        {std::nullopt, false, std::nullopt, "cannot write: Read-only file system"},
        {user, true, user, "cannot write: Read-only file system"},
    };
    for (const auto& c : cases) {
        std::optional<std::string> file = c.before;
        const std::string failing = c.failure;
        const Autostart autostart(std::string(kProgram), testing::memoryEntry(file, failing));
        const std::string row = c.before.value_or("(none)");
        EXPECT_EQ(autostart.enabled(), c.checkedBefore) << row;
        const auto failure = autostart.set(!c.checkedBefore);
        EXPECT_EQ(failure.value_or(""), c.failure) << row;
        EXPECT_EQ(file, c.after) << row;
        EXPECT_EQ(autostart.enabled(), *c.failure ? c.checkedBefore : !c.checkedBefore) << row;
    }
}

}  // namespace
}  // namespace quendal
