#include "services/custom_colors.h"

#include <cctype>
#include <charconv>

namespace {

constexpr std::uint32_t kBlankSlot = 0xFFFFFF;
constexpr std::uint32_t kLargestColor = 0xFFFFFF;
constexpr std::string_view kEntryPrefix = "Color";
constexpr char kFirstSlotLetter = 'A';
constexpr int kMinimumDigits = 6;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) !=
            std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

std::optional<std::uint32_t> HexColor(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc() || end != digits.data() + digits.size() || value > kLargestColor)
        return std::nullopt;
    return value;
}

void ReadEntry(std::string_view entry, CustomColorSet& colors) {
    entry = Trimmed(entry);
    const auto equals = entry.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view name = Trimmed(entry.substr(0, equals));
    if (name.size() != kEntryPrefix.size() + 1 || !StartsWithIgnoringCase(name, kEntryPrefix))
        return;
    const int slot = std::toupper(static_cast<unsigned char>(name.back())) - kFirstSlotLetter;
    if (slot < 0 || slot >= static_cast<int>(colors.size())) return;
    if (const auto color = HexColor(Trimmed(entry.substr(equals + 1))))
        colors[static_cast<std::size_t>(slot)] = color;
}

}  // namespace

std::string TextFromCustomColors(const CustomColorSet& colors) {
    std::string text;
    for (std::size_t slot = 0; slot < colors.size(); ++slot) {
        if (slot > 0) text += ',';
        text += kEntryPrefix;
        text += static_cast<char>(kFirstSlotLetter + static_cast<int>(slot));
        text += '=';
        char digits[16];
        const auto [end, error] =
            std::to_chars(digits, digits + sizeof digits, colors[slot].value_or(kBlankSlot), 16);
        std::string hex(digits, error == std::errc() ? end : digits);
        for (char& digit : hex)
            digit = static_cast<char>(std::toupper(static_cast<unsigned char>(digit)));
        if (hex.size() < kMinimumDigits) hex.insert(0, kMinimumDigits - hex.size(), '0');
        text += hex;
    }
    return text;
}

CustomColorSet CustomColorsFromText(std::string_view text) {
    CustomColorSet colors;
    while (!text.empty()) {
        const auto comma = text.find(',');
        ReadEntry(text.substr(0, comma), colors);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return colors;
}
