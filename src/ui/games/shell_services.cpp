#include "games/shell_services.h"

#include "services/settings_location.h"

ShellServices& Shell() {
    static ShellServices services{.settingsFile = SettingsFilePath()};
    return services;
}
