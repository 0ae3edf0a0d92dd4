#pragma once

#include <optional>
#include <string>
#include <string_view>

// Date-times are stored as day numbers: days since 30 December 1899, the integer
// part the day and the fraction the time of day.

// General format, up to 15 significant digits, always with '.' as the separator.
std::string TextFromDayNumber(double dayNumber);

// Accepts '.' or ',' as the decimal separator, so a file written under one locale
// reads under another. Nothing when the text is not a finite number.
std::optional<double> DayNumberFromText(std::string_view text);

// The day number of a calendar date at midnight.
double DayNumberFromDate(int year, unsigned month, unsigned day);

// The current local date and time, to the millisecond.
double LocalNowDayNumber();

// The date part in the user's short date format (the C library's LC_TIME date
// format, always with a four-digit year); empty for a day number outside the
// years 1 to 9999.
std::string FormatShortDate(double dayNumber);
