#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "services/settings_location.h"

// The text that marks a value as absent: a key holding it reads like a missing key,
// and clearing a value writes it rather than deleting the key.
inline constexpr std::string_view kAbsentText = "None";

// The accessor of one value in the settings file: Entry in Section of FileName.
// Setting the plain properties stores them only; reading or writing Text, Value or
// State goes to the file at once, so every reader sees the latest write from any
// window.
class TProfile {
public:
    explicit TProfile(std::string section = {}, std::filesystem::path file = SettingsFilePath());

    std::string DefaultText{kAbsentText};  // what a missing key reads as
    std::string Entry;
    std::filesystem::path FileName;
    std::string Section;

    // Reads the key (DefaultText when missing); empty when Section, Entry or
    // FileName is empty. The text read is also kept as LastText().
    std::string GetText();
    // Writes only when Section, Entry and FileName are all set; LastText() takes
    // the value only when the write succeeded.
    bool SetText(std::string_view text);
    const std::string& LastText() const { return text_; }

    int GetValue();  // decimal, else 1 or 0 by the boolean rule
    bool SetValue(int value);
    bool GetState();  // "TRUE"/"YES" in any case, or "1"
    bool SetState(bool state);

    // The calling pattern of the whole program: set Entry, read Text, and treat
    // "None" as no value.
    std::optional<std::string> ReadText(std::string_view key);
    std::optional<int> ReadInteger(std::string_view key);
    std::optional<bool> ReadBoolean(std::string_view key);
    bool WriteText(std::string_view key, std::string_view text);
    bool WriteInteger(std::string_view key, int value);
    bool WriteBoolean(std::string_view key, bool value);
    bool WriteNone(std::string_view key);  // clears the value the program's way

private:
    bool IsAddressed() const;

    std::string text_;
};
