#include "platform/desktop/autostart.h"

#include <vector>

namespace quendal {
namespace {

constexpr std::string_view kGroup = "[Desktop Entry]";
// The keys by which a desktop leaves an entry unstarted, each with its value that does.
constexpr std::string_view kHidden = "Hidden";
constexpr std::string_view kGnomeEnabled = "X-GNOME-Autostart-enabled";

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The key of a "Key=value" line (a localised key, Name[de], is its own key); none for
// any other line.
std::optional<std::pair<std::string_view, std::string_view>> keyValue(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (line.starts_with('#') || equals == std::string_view::npos) {
        return std::nullopt;
    }
    return std::pair{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

bool isGroup(std::string_view line) {
    return trimmed(line).starts_with('[');
}

}  // namespace

std::optional<std::filesystem::path> Autostart::entryPath(std::string_view configHome,
                                                          std::string_view home,
                                                          std::string_view fileName) {
    // A relative XDG_CONFIG_HOME is not one: the base directory rules say to ignore it.
    std::filesystem::path config(configHome);
    if (!config.is_absolute()) {
        config = std::filesystem::path(home) / ".config";
        if (!config.is_absolute()) {
            return std::nullopt;
        }
    }
    return config / "autostart" / fileName;
}

bool Autostart::starts(std::string_view entry) {
    bool inGroup = false;
    for (const std::string_view line : linesOf(entry)) {
        if (isGroup(line)) {
            inGroup = trimmed(line) == kGroup;
        } else if (const auto pair = keyValue(line); pair && inGroup) {
            if ((pair->first == kHidden && pair->second == "true") ||
                (pair->first == kGnomeEnabled && pair->second == "false")) {
                return false;
            }
        }
    }
    return true;
}

std::string Autostart::withStart(std::string_view entry, bool start) {
    // The keys that stop it go; to stop it, Hidden=true comes at the group's start.
    std::string out;
    bool inGroup = false;
    for (const std::string_view line : linesOf(entry)) {
        const auto pair = keyValue(line);
        if (inGroup && pair && (pair->first == kHidden || pair->first == kGnomeEnabled)) {
            continue;
        }
        out.append(line).push_back('\n');
        if (isGroup(line)) {
            inGroup = trimmed(line) == kGroup;
            if (inGroup && !start) {
                out.append(kHidden).append("=true\n");
            }
        }
    }
    return out;
}

bool Autostart::enabled() const {
    const auto entry = file_.read();
    return entry && starts(*entry);
}

std::optional<std::string> Autostart::set(bool enabled) const {
    const auto entry = file_.read();
    if (!entry) {
        return enabled ? file_.write(programEntry_) : std::nullopt;
    }
    if (starts(*entry) == enabled) {
        return std::nullopt;
    }
    // The program's own entry goes when turned off, and comes back when turned on; the
    // user's is shown or hidden.
    if (!enabled && *entry == programEntry_) {
        return file_.remove();
    }
    return file_.write(withStart(*entry, enabled));
}

}  // namespace quendal
