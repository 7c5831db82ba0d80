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
// `number`, exactly; capped just above the range, so that any length is safe. `beyond`
// tells whether a digit after the tenths is not zero.
long long decimalTenths(std::string_view number, bool& negative, bool& beyond) {
    beyond = false;
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
    if (keep <= 0) {
        beyond = true;  // digits holds a non-zero digit
        return 0;
    }
    if (keep > 6) return kMaxTenths + 1;
    long long tenths = 0;
    for (long long i = 0; i < keep; ++i)
        tenths = tenths * 10 + (i < static_cast<long long>(digits.size()) ? digits[i] - '0' : 0);
    beyond = digits.find_first_not_of('0', static_cast<std::size_t>(keep)) != std::string::npos;
    return tenths;
}

struct Tenths {
    long long tenths = 0;
    bool negative = false;
    bool beyond = false;  // more than the tenths
};

Tenths leadingTenths(std::string_view text) {
    const std::string s = terminated(text);
    char* end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    std::string_view number(s.c_str(), static_cast<std::size_t>(end - s.c_str()));
    while (!number.empty() && std::isspace(static_cast<unsigned char>(number.front())))
        number.remove_prefix(1);
    Tenths t;
    t.negative = std::signbit(value);
    if (number.find_first_of("xXnN") != std::string_view::npos) {
        // Hexadecimal, infinity or not-a-number: what the conversion made of it.
        if (!std::isfinite(value) || value >= 1e6 || value <= -1e6) {
            t.tenths = kMaxTenths + 1;
            return t;
        }
        const double scaled = std::fabs(value) * 10;
        t.tenths = static_cast<long long>(std::trunc(scaled));
        t.beyond = scaled != std::trunc(scaled);
        return t;
    }
    t.tenths = decimalTenths(number, t.negative, t.beyond);
    return t;
}

}  // namespace

float readLevel(std::string_view text) {
    const std::string s = terminated(text);
    return static_cast<float>(std::strtod(s.c_str(), nullptr));
}

std::optional<std::uint16_t> readTenths(std::string_view text) {
    const Tenths t = leadingTenths(text);
    if (t.negative && t.tenths > 0) return std::nullopt;
    if (t.tenths < 1 || t.tenths > kMaxTenths) return std::nullopt;
    return static_cast<std::uint16_t>(t.tenths);
}

std::optional<std::uint16_t> readTenthsFrom01To9999(std::string_view text) {
    const Tenths t = leadingTenths(text);
    if (t.negative && (t.tenths > 0 || t.beyond)) return std::nullopt;
    if (t.tenths < 1 || t.tenths > kMaxTenths || (t.tenths == kMaxTenths && t.beyond))
        return std::nullopt;
    return static_cast<std::uint16_t>(t.tenths);
}

long long readInteger(std::string_view text) {
    constexpr long long kSaturated = 1'000'000'000'000LL;
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        value = std::min(value * 10 + (text[at] - '0'), kSaturated);
    return negative ? -value : value;
}

}  // namespace panel
