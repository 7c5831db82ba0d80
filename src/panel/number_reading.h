#pragma once
// Reading what the operator typed into a level or time edit: the leading number of the text,
// the way the standard string-to-double conversion reads it (leading blanks skipped, the
// number ends at the first character that cannot continue it, no number reads as 0), so
// that a trailing unit ("%", " W", "s") is ignored.

#include <cstdint>
#include <optional>
#include <string_view>

namespace panel {

// The leading number, rounded to single precision.
float readLevel(std::string_view text);

// The leading number in seconds as whole tenths, digits after the first decimal dropped
// (toward zero), computed exactly on the decimal text: "2.3" gives 23, "2.37" gives 23,
// "999.9" gives 9999. Nothing when the tenths lie outside 1 to 9999 (0, negative, 1000 s or
// more, however long the number).
std::optional<std::uint16_t> readTenths(std::string_view text);

// The same whole tenths, taken only when the number itself lies from 0.1 to 999.9: 999.95
// is refused, where readTenths takes its 9999 tenths.
std::optional<std::uint16_t> readTenthsFrom01To9999(std::string_view text);

// The leading integer (blanks skipped, an optional sign, decimal digits; no digits read as
// 0), held whole: far beyond the 32-bit range it saturates, so it compares as what it is.
long long readInteger(std::string_view text);

}  // namespace panel
