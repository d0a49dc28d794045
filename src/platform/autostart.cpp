#include "platform/autostart.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace quendal {
namespace {

std::string failure(const char* what, const std::filesystem::path& path,
                    const std::error_code& error) {
    return std::string(what) + " " + path.string() + ": " + error.message();
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

bool Autostart::enabled() const {
    std::error_code error;
    return std::filesystem::is_regular_file(entry_, error);
}

std::optional<std::string> Autostart::set(bool enabled) const {
    std::error_code error;
    if (!enabled) {
        if (!std::filesystem::remove(entry_, error) && error) {
            return failure("cannot remove", entry_, error);
        }
        return std::nullopt;
    }
    const std::filesystem::path folder = entry_.parent_path();
    std::filesystem::create_directories(folder, error);
    if (error) {
        return failure("cannot make", folder, error);
    }
    // Written beside it under another name and then renamed over it: the rename is whole.
    std::filesystem::path partial = entry_;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << content_;
        out.close();
        if (!out) {
            const std::error_code written(errno, std::generic_category());
            std::filesystem::remove(partial, error);
            return failure("cannot write", partial, written);
        }
    }
    std::filesystem::rename(partial, entry_, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        return failure("cannot write", entry_, error);
    }
    return std::nullopt;
}

}  // namespace quendal
