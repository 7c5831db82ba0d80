#include "sim/model/calendar.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace sim {

namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::tm calendarOf(std::time_t t) {
    std::tm tm{};
    gmtime_r(&t, &tm);
    return tm;
}

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 1 && isLeap(year) ? 29 : kDays[month];
}

// Reads 1 to `maxDigits` digits at `at`.
std::optional<int> number(std::string_view text, std::size_t& at, std::size_t maxDigits) {
    std::size_t digits = 0;
    int value = 0;
    while (at < text.size() && digits < maxDigits &&
           std::isdigit(static_cast<unsigned char>(text[at]))) {
        value = value * 10 + (text[at++] - '0');
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    return value;
}

bool expect(std::string_view text, std::size_t& at, char c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

}  // namespace

std::string formatClock(std::time_t t) {
    const std::tm tm = calendarOf(t);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s %02d, %04d %02d:%02d", kMonths[tm.tm_mon], tm.tm_mday,
                  tm.tm_year + 1900, tm.tm_hour, tm.tm_min);
    return buffer;
}

std::string formatDate(std::time_t t) {
    const std::tm tm = calendarOf(t);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday);
    return buffer;
}

std::string formatTime(std::time_t t) {
    const std::tm tm = calendarOf(t);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buffer;
}

std::optional<std::time_t> parseClock(std::string_view text) {
    if (text.size() < 3) return std::nullopt;
    int month = -1;
    for (int m = 0; m < 12; ++m) {
        bool same = true;
        for (int i = 0; i < 3; ++i)
            same = same && std::tolower(static_cast<unsigned char>(text[i])) ==
                               std::tolower(static_cast<unsigned char>(kMonths[m][i]));
        if (same) month = m;
    }
    std::size_t at = 3;
    if (month < 0 || !expect(text, at, ' ')) return std::nullopt;
    const auto day = number(text, at, 2);
    if (!day || !expect(text, at, ',') || !expect(text, at, ' ')) return std::nullopt;
    const auto year = number(text, at, 4);
    if (!year || !expect(text, at, ' ')) return std::nullopt;
    const auto hour = number(text, at, 2);
    if (!hour || !expect(text, at, ':')) return std::nullopt;
    const auto minute = number(text, at, 2);
    if (!minute || at != text.size()) return std::nullopt;
    if (*year < 1970 || *day < 1 || *day > daysIn(month, *year) || *hour > 23 || *minute > 59)
        return std::nullopt;
    std::tm tm{};
    tm.tm_year = *year - 1900;
    tm.tm_mon = month;
    tm.tm_mday = *day;
    tm.tm_hour = *hour;
    tm.tm_min = *minute;
    return timegm(&tm);
}

}  // namespace sim
