#include "services/placement.h"

#include <array>
#include <string>

#include "services/ini_file.h"
#include "services/value_codec.h"

namespace {

constexpr std::string_view kFlagsKey = "Flags";
constexpr std::string_view kShowCmdKey = "ShowCmd";
constexpr std::string_view kMinMaxPosKey = "MinMaxPos";
constexpr std::string_view kNormPosKey = "NormPos";
constexpr std::string_view kVisibleKey = "Visible";

using Quad = std::array<int, 4>;

std::string TextFromQuad(const Quad& numbers) {
    std::string text;
    for (const int number : numbers) {
        if (!text.empty()) text += ',';
        text += TextFromInteger(number);
    }
    return text;
}

// Four decimal integers separated by commas; blanks around them are tolerated.
std::optional<Quad> QuadFromText(std::string_view text) {
    Quad numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto comma = text.find(',');
        const bool last = i + 1 == numbers.size();
        if (last != (comma == std::string_view::npos)) return std::nullopt;
        std::string_view field = text.substr(0, comma);
        const auto first = field.find_first_not_of(' ');
        if (first == std::string_view::npos) return std::nullopt;
        field = field.substr(first, field.find_last_not_of(' ') - first + 1);
        const auto number = ParseDecimalInteger(field);
        if (!number) return std::nullopt;
        numbers[i] = *number;
        if (!last) text.remove_prefix(comma + 1);
    }
    return numbers;
}

}  // namespace

bool SavePlacement(const std::filesystem::path& file, std::string_view section, const WindowPlacement& placement) {
    IniFile ini(file);
    bool ok = ini.Write(section, kFlagsKey, TextFromInteger(placement.flags));
    ok = ini.Write(section, kShowCmdKey, TextFromInteger(placement.showCmd)) && ok;
    ok = ini.Write(section, kMinMaxPosKey,
                   TextFromQuad({placement.minX, placement.minY, placement.maxX, placement.maxY})) && ok;
    ok = ini.Write(section, kNormPosKey,
                   TextFromQuad({placement.left, placement.top, placement.right, placement.bottom})) && ok;
    ok = ini.Write(section, kVisibleKey, placement.visible ? "1" : "0") && ok;
    return ok;
}

std::optional<WindowPlacement> LoadPlacement(const std::filesystem::path& file, std::string_view section) {
    const IniFile ini(file);
    const auto normal = QuadFromText(ini.Read(section, kNormPosKey).value_or(std::string{}));
    if (!normal) return std::nullopt;

    WindowPlacement placement;
    placement.left = (*normal)[0];
    placement.top = (*normal)[1];
    placement.right = (*normal)[2];
    placement.bottom = (*normal)[3];
    if (const auto flags = ini.Read(section, kFlagsKey)) {
        placement.flags = ParseDecimalInteger(*flags).value_or(placement.flags);
    }
    if (const auto show = ini.Read(section, kShowCmdKey)) {
        placement.showCmd = ParseDecimalInteger(*show).value_or(placement.showCmd);
    }
    if (const auto minMax = QuadFromText(ini.Read(section, kMinMaxPosKey).value_or(std::string{}))) {
        placement.minX = (*minMax)[0];
        placement.minY = (*minMax)[1];
        placement.maxX = (*minMax)[2];
        placement.maxY = (*minMax)[3];
    }
    placement.visible = ini.Read(section, kVisibleKey) == "1";
    return placement;
}
