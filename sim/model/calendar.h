#pragma once
// The unit's calendar: times are seconds of a UTC-like calendar, so no time zone of the
// host machine enters the unit's clock.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// "Mar 07, 2016 09:05"
std::string formatClock(std::time_t t);
// Reads the text formatClock writes (month names in English, any case); nothing when the
// text is not such a date or names a day that does not exist.
std::optional<std::time_t> parseClock(std::string_view text);
// "2016-03-07" and "09:05:12"
std::string formatDate(std::time_t t);
std::string formatTime(std::time_t t);

}  // namespace sim
