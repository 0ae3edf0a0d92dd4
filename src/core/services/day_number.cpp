#include "services/day_number.h"

#include <langinfo.h>

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>

namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr auto kDayZero = std::chrono::year{1899} / std::chrono::December / 30;
constexpr int kSignificantDigits = 15;
constexpr double kSecondsPerDay = 24.0 * 60 * 60;
constexpr double kMillisecondsPerDay = kSecondsPerDay * 1000;
constexpr std::string_view kBlanks = " \t";

// 1 January 0001 and 31 December 9999, the range a short date can show.
constexpr double kFirstShowableDay = -693593;
constexpr double kLastShowableDay = 2958465;

sys_days DayZero() { return sys_days{kDayZero}; }

// Dates with a two-digit year are ambiguous in a statistics record.
std::string FourDigitYearFormat(std::string format) {
    for (auto at = format.find("%y"); at != std::string::npos; at = format.find("%y", at + 2)) {
        format[at + 1] = 'Y';
    }
    return format;
}

}  // namespace

std::string TextFromDayNumber(double dayNumber) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), dayNumber, std::chars_format::general, kSignificantDigits);
    return std::string(buffer.data(), result.ptr);
}

std::optional<double> DayNumberFromText(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (text.front() == '+') text.remove_prefix(1);

    std::string number(text);
    const auto comma = number.find(',');
    if (comma != std::string::npos) {
        if (number.find(',', comma + 1) != std::string::npos || number.find('.') != std::string::npos) {
            return std::nullopt;
        }
        number[comma] = '.';
    }
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::general);
    if (number.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

double DayNumberFromDate(int year, unsigned month, unsigned day) {
    const sys_days date{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};
    return static_cast<double>((date - DayZero()).count());
}

double LocalNowDayNumber() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    const double timeOfDay = (secondOfDay * 1000 + static_cast<double>(milliseconds)) / kMillisecondsPerDay;
    return DayNumberFromDate(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                             static_cast<unsigned>(local.tm_mday)) +
           timeOfDay;
}

std::string FormatShortDate(double dayNumber) {
    if (!std::isfinite(dayNumber) || dayNumber < kFirstShowableDay || dayNumber >= kLastShowableDay + 1) return {};
    // The integer part is the day on both sides of day zero; the fraction is only the time.
    const sys_days date = DayZero() + days{static_cast<long>(std::trunc(dayNumber))};
    const std::chrono::year_month_day ymd{date};
    std::tm calendar{};
    calendar.tm_year = static_cast<int>(ymd.year()) - 1900;
    calendar.tm_mon = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1;
    calendar.tm_mday = static_cast<int>(static_cast<unsigned>(ymd.day()));
    calendar.tm_wday = static_cast<int>(std::chrono::weekday{date}.c_encoding());
    const std::string format = FourDigitYearFormat(::nl_langinfo(D_FMT));
    std::array<char, 128> buffer{};
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), format.c_str(), &calendar);
    return std::string(buffer.data(), length);
}
