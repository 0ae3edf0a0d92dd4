#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The colour dialog's sixteen custom colours, each 0x00BBGGRR; a slot the text does
// not name stays empty.
using CustomColorSet = std::array<std::optional<std::uint32_t>, 16>;

// "ColorA=XXXXXX,ColorB=XXXXXX,...,ColorP=XXXXXX": every slot in order, each colour in
// at least six uppercase hexadecimal digits. Empty slots are written as white, the
// colour dialog's own blank.
std::string TextFromCustomColors(const CustomColorSet& colors);

// Reads the entries it understands, in any order and any case of the name; entries
// that are not "Color" + a letter A to P + "=" + hexadecimal digits are skipped, so a
// hand-edited value never costs the player the colours that are still readable.
CustomColorSet CustomColorsFromText(std::string_view text);
