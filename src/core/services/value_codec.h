#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "services/day_number.h"

// How values are spelled in the settings file. The spellings are fixed: files
// written by any earlier version must keep reading the same.

// Decimal digits with an optional sign; nothing when the whole text is not one
// integer that fits.
std::optional<int> ParseDecimalInteger(std::string_view text);

// A decimal integer, or else the text taken as a boolean (1 or 0): "True" reads 1,
// "None" and "abc" read 0.
int IntegerFromText(std::string_view text);
std::string TextFromInteger(int value);

// True for "TRUE" or "YES" in any case, or exactly "1"; everything else is false.
bool BooleanFromText(std::string_view text);
std::string TextFromBoolean(bool value);  // "True" or "False"

// Colours are 0x00BBGGRR; the system colours have the top bit set.
// Written as a colour name when one matches, else "$" and eight uppercase hex digits.
std::string TextFromColor(std::uint32_t color);
// A colour name in any case, a decimal integer or "$" and hex digits.
std::optional<std::uint32_t> ColorFromText(std::string_view text);
