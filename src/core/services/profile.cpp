#include "services/profile.h"

#include <utility>

#include "services/ini_file.h"
#include "services/value_codec.h"

TProfile::TProfile(std::string section, std::filesystem::path file)
    : FileName(std::move(file)), Section(std::move(section)) {}

bool TProfile::IsAddressed() const { return !Section.empty() && !Entry.empty() && !FileName.empty(); }

std::string TProfile::GetText() {
    if (!IsAddressed()) {
        text_.clear();
        return text_;
    }
    text_ = IniFile(FileName).Read(Section, Entry).value_or(DefaultText);
    return text_;
}

bool TProfile::SetText(std::string_view text) {
    if (!IsAddressed() || !IniFile(FileName).Write(Section, Entry, text)) return false;
    text_ = text;
    return true;
}

int TProfile::GetValue() { return IntegerFromText(GetText()); }

bool TProfile::SetValue(int value) { return SetText(TextFromInteger(value)); }

bool TProfile::GetState() { return BooleanFromText(GetText()); }

bool TProfile::SetState(bool state) { return SetText(TextFromBoolean(state)); }

std::optional<std::string> TProfile::ReadText(std::string_view key) {
    Entry = key;
    std::string text = GetText();
    if (text == kAbsentText) return std::nullopt;
    return text;
}

std::optional<int> TProfile::ReadInteger(std::string_view key) {
    const auto text = ReadText(key);
    if (!text) return std::nullopt;
    return IntegerFromText(*text);
}

std::optional<bool> TProfile::ReadBoolean(std::string_view key) {
    const auto text = ReadText(key);
    if (!text) return std::nullopt;
    return BooleanFromText(*text);
}

bool TProfile::WriteText(std::string_view key, std::string_view text) {
    Entry = key;
    return SetText(text);
}

bool TProfile::WriteInteger(std::string_view key, int value) {
    Entry = key;
    return SetValue(value);
}

bool TProfile::WriteBoolean(std::string_view key, bool value) {
    Entry = key;
    return SetState(value);
}

bool TProfile::WriteNone(std::string_view key) { return WriteText(key, kAbsentText); }
