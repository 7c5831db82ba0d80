#include "panel/number_reading.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace panel {

namespace {

constexpr long long kMaxTenths = 9999;

// The text as a NUL-terminated string for strtod, which must not read past the view.
std::string terminated(std::string_view text) {
    return std::string(text);
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Whole tenths of a plain decimal number (sign, digits, point, digits, exponent) written in
// `number`, exactly; capped just above the range, so that any length is safe.
long long decimalTenths(std::string_view number, bool& negative) {
    std::size_t at = 0;
    negative = false;
    if (at < number.size() && (number[at] == '+' || number[at] == '-'))
        negative = number[at++] == '-';
    // value = 0.digits × 10^pointAfter
    std::string digits;
    long long pointAfter = 0;
    for (; at < number.size() && isDigit(number[at]); ++at, ++pointAfter) digits += number[at];
    if (at < number.size() && number[at] == '.')
        for (++at; at < number.size() && isDigit(number[at]); ++at) digits += number[at];
    long long exponent = 0;
    if (at < number.size() && (number[at] == 'e' || number[at] == 'E')) {
        std::size_t e = at + 1;
        bool negativeExponent = false;
        if (e < number.size() && (number[e] == '+' || number[e] == '-'))
            negativeExponent = number[e++] == '-';
        for (; e < number.size() && isDigit(number[e]); ++e)
            exponent = std::min(exponent * 10 + (number[e] - '0'), 1'000'000LL);
        if (negativeExponent) exponent = -exponent;
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    digits.erase(0, first);
    pointAfter -= static_cast<long long>(first);
    // Tenths are the digits up to one place after the point.
    const long long keep = pointAfter + exponent + 1;
    if (keep <= 0) return 0;
    if (keep > 6) return kMaxTenths + 1;
    long long tenths = 0;
    for (long long i = 0; i < keep; ++i)
        tenths = tenths * 10 + (i < static_cast<long long>(digits.size()) ? digits[i] - '0' : 0);
    return tenths;
}

}  // namespace

float readLevel(std::string_view text) {
    const std::string s = terminated(text);
    return static_cast<float>(std::strtod(s.c_str(), nullptr));
}

std::optional<std::uint16_t> readTenths(std::string_view text) {
    const std::string s = terminated(text);
    char* end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    std::string_view number(s.c_str(), static_cast<std::size_t>(end - s.c_str()));
    while (!number.empty() && std::isspace(static_cast<unsigned char>(number.front())))
        number.remove_prefix(1);

    long long tenths = 0;
    bool negative = std::signbit(value);
    if (number.find_first_of("xXnN") != std::string_view::npos) {
        // Hexadecimal, infinity or not-a-number: what the conversion made of it.
        if (!std::isfinite(value) || value >= 1e6 || value <= -1e6) return std::nullopt;
        tenths = static_cast<long long>(std::trunc(std::fabs(value) * 10));
    } else {
        tenths = decimalTenths(number, negative);
    }
    if (negative && tenths > 0) return std::nullopt;
    if (tenths < 1 || tenths > kMaxTenths) return std::nullopt;
    return static_cast<std::uint16_t>(tenths);
}

}  // namespace panel
