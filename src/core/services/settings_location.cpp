#include "services/settings_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr const char* kFolderName = "Tablewise";
constexpr const char* kFileName = "Solitaire.ini";
constexpr const char* kDefaultConfigFolder = ".config";

// The base directory rules ignore an empty or relative XDG_CONFIG_HOME.
std::filesystem::path AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path{};
}

std::filesystem::path HomeFolder() {
    std::filesystem::path home = AbsoluteFromEnvironment("HOME");
    if (!home.empty()) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return {};
}

}  // namespace

std::filesystem::path SettingsFilePath() {
    std::filesystem::path configHome = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (configHome.empty()) configHome = HomeFolder() / kDefaultConfigFolder;
    return configHome / kFolderName / kFileName;
}
