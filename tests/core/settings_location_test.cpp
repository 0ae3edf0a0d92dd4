#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "services/settings_location.h"

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;
    ~ScopedVariable() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsLocationTest, ConfigHomeFirstThenDotConfig) {
    ScopedVariable home("HOME", "/home/player");
    const struct {
        const char* configHome;
        const char* expected;
    } cases[] = {
        {"/xdg/config", "/xdg/config/Tablewise/Solitaire.ini"},
        {nullptr, "/home/player/.config/Tablewise/Solitaire.ini"},
        {"", "/home/player/.config/Tablewise/Solitaire.ini"},
        {"relative/config", "/home/player/.config/Tablewise/Solitaire.ini"},
    };
    for (const auto& c : cases) {
        ScopedVariable configHome("XDG_CONFIG_HOME", c.configHome);
        EXPECT_EQ(SettingsFilePath(), std::filesystem::path(c.expected)) << (c.configHome ? c.configHome : "unset");
    }
}

}  // namespace
