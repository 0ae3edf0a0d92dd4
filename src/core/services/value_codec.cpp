#include "services/value_codec.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

namespace {

struct NamedColor {
    std::string_view name;
    std::uint32_t value;
};

constexpr std::uint32_t kSystemColorBase = 0x80000000u;

// The sixteen plain colours, then the system colours numbered in their fixed order.
constexpr std::array<NamedColor, 41> kNamedColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", kSystemColorBase + 0},
    {"clBackground", kSystemColorBase + 1},
    {"clActiveCaption", kSystemColorBase + 2},
    {"clInactiveCaption", kSystemColorBase + 3},
    {"clMenu", kSystemColorBase + 4},
    {"clWindow", kSystemColorBase + 5},
    {"clWindowFrame", kSystemColorBase + 6},
    {"clMenuText", kSystemColorBase + 7},
    {"clWindowText", kSystemColorBase + 8},
    {"clCaptionText", kSystemColorBase + 9},
    {"clActiveBorder", kSystemColorBase + 10},
    {"clInactiveBorder", kSystemColorBase + 11},
    {"clAppWorkSpace", kSystemColorBase + 12},
    {"clHighlight", kSystemColorBase + 13},
    {"clHighlightText", kSystemColorBase + 14},
    {"clBtnFace", kSystemColorBase + 15},
    {"clBtnShadow", kSystemColorBase + 16},
    {"clGrayText", kSystemColorBase + 17},
    {"clBtnText", kSystemColorBase + 18},
    {"clInactiveCaptionText", kSystemColorBase + 19},
    {"clBtnHighlight", kSystemColorBase + 20},
    {"cl3DDkShadow", kSystemColorBase + 21},
    {"cl3DLight", kSystemColorBase + 22},
    {"clInfoText", kSystemColorBase + 23},
    {"clInfoBk", kSystemColorBase + 24},
}};

constexpr char kHexPrefix = '$';
constexpr int kColorHexDigits = 8;

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

// from_chars takes a '-' but no '+'; both signs are allowed here, never two.
template <typename Integer>
std::optional<Integer> ParseSigned(std::string_view text, int base = 10) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    Integer value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (error != std::errc{} || stop != end || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> ParseDecimalInteger(std::string_view text) { return ParseSigned<int>(text); }

int IntegerFromText(std::string_view text) {
    if (const auto number = ParseDecimalInteger(text)) return *number;
    return BooleanFromText(text) ? 1 : 0;
}

std::string TextFromInteger(int value) { return std::to_string(value); }

bool BooleanFromText(std::string_view text) {
    return SameIgnoringCase(text, "TRUE") || SameIgnoringCase(text, "YES") || text == "1";
}

std::string TextFromBoolean(bool value) { return value ? "True" : "False"; }

std::string TextFromColor(std::uint32_t color) {
    for (const NamedColor& named : kNamedColors) {
        if (named.value == color) return std::string(named.name);
    }
    constexpr std::string_view kHexDigits = "0123456789ABCDEF";
    constexpr int kBitsPerDigit = 4;
    std::string text(1 + kColorHexDigits, kHexPrefix);
    for (int i = kColorHexDigits; i >= 1; --i) {
        text[static_cast<std::size_t>(i)] = kHexDigits[color & 0xFu];
        color >>= kBitsPerDigit;
    }
    return text;
}

std::optional<std::uint32_t> ColorFromText(std::string_view text) {
    for (const NamedColor& named : kNamedColors) {
        if (SameIgnoringCase(named.name, text)) return named.value;
    }
    if (!text.empty() && text.front() == kHexPrefix) {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
        return ParseSigned<std::uint32_t>(text, 16);
    }
    // Decimal colours may be written signed, as the system colours are negative then.
    const auto number = ParseSigned<std::int64_t>(text);
    if (!number || *number < std::numeric_limits<std::int32_t>::min() ||
        *number > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*number);
}
