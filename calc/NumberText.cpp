#include "calc/NumberText.h"

#include "calc/Evaluation.h"
#include "calc/FifteenDigits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace MODULCalc {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the leading decimal number in text, 0 when there is none.
std::size_t numberLength(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (pos < text.size() && text[pos] == 'E') {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '-' || text[exponent] == '+'))
            ++exponent;
        if (exponent < text.size() && isDigit(text[exponent])) {
            while (exponent < text.size() && isDigit(text[exponent]))
                ++exponent;
            pos = exponent;
        }
    }
    return pos;
}

// Decides whether a literal the parser could not represent is too large (rather than too small): the
// position of its first significant digit plus its exponent, saturated so that huge exponents stay safe.
bool isTooLarge(std::string_view number) {
    long long magnitude = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    std::size_t pos = 0;
    for (; pos < number.size() && number[pos] != 'E'; ++pos) {
        const char c = number[pos];
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (c != '0')
                seenSignificant = true;
            if (seenSignificant && !seenPoint)
                ++magnitude;
            else if (!seenSignificant && seenPoint)
                --magnitude;
        }
    }
    long long exponent = 0;
    bool negative = false;
    for (++pos; pos < number.size(); ++pos)
        if (number[pos] == '-')
            negative = true;
        else if (isDigit(number[pos]) && exponent < 1'000'000)
            exponent = exponent * 10 + (number[pos] - '0');
    return magnitude + (negative ? -exponent : exponent) > 0;
}

} // namespace

// Most literals have few digits and a small exponent: then the digits make an exact whole number and
// the power of ten is exact as well, so one multiplication or division rounds exactly as the full
// conversion does. Nothing when the literal needs the full conversion.
std::optional<double> readShortNumber(std::string_view number) {
    static constexpr std::array<double, 23> PowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t pos = 0;
    const bool negative = number.front() == '-';
    pos += negative ? 1 : 0;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int scale = 0;
    bool seenPoint = false;
    for (; pos < number.size() && number[pos] != 'E'; ++pos) {
        if (number[pos] == '.') {
            seenPoint = true;
            continue;
        }
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(number[pos] - '0');
        scale -= seenPoint ? 1 : 0;
        if (++digits > 15)
            return std::nullopt;
    }
    if (pos < number.size()) {
        int exponent = 0;
        const char* const last = number.data() + number.size();
        const auto parsed = std::from_chars(number.data() + pos + 1, last, exponent);
        if (parsed.ec != std::errc{} || parsed.ptr != last || exponent > 100 || exponent < -100)
            return std::nullopt;
        scale += exponent;
    }
    if (scale > 22 || scale < -22)
        return std::nullopt;
    const auto whole = static_cast<double>(mantissa);
    const double value = scale >= 0 ? whole * PowersOfTen[static_cast<std::size_t>(scale)]
                                    : whole / PowersOfTen[static_cast<std::size_t>(-scale)];
    return negative ? -value : value;
}

namespace {

// A number without an exponent and with at most 15 digits, the usual operand, read in the sweep that
// finds its end, with the very arithmetic of readShortNumber. Nothing for any other text.
std::optional<double> readPlainNumber(std::string_view text) {
    static constexpr std::array<double, 16> PowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* next = text.data();
    const char* const end = next + text.size();
    const bool negative = next != end && *next == '-';
    if (next != end && (negative || *next == '+'))
        ++next;
    const auto isDigitAt = [&end](const char* at) { return at != end && isDigit(*at); };
    std::uint64_t mantissa = 0;
    const char* const whole = next;
    for (; isDigitAt(next); ++next)
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*next - '0');
    auto digits = static_cast<std::size_t>(next - whole);
    std::size_t fraction = 0;
    if (next != end && *next == '.') {
        const char* const point = ++next;
        for (; isDigitAt(next); ++next)
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*next - '0');
        fraction = static_cast<std::size_t>(next - point);
    }
    digits += fraction;
    if (digits == 0)
        return 0.0;
    if (digits > 15 || (next != end && *next == 'E'))
        return std::nullopt;
    const auto value = static_cast<double>(mantissa);
    const double scaled = fraction == 0 ? value : value / PowersOfTen[fraction];
    return negative ? -scaled : scaled;
}

} // namespace

double readNumber(std::string_view text) {
    if (const auto plain = readPlainNumber(text))
        return *plain;
    std::string_view number = text.substr(0, numberLength(text));
    if (number.empty())
        return 0;
    std::string_view parsed = number.front() == '+' ? number.substr(1) : number;
    if (const auto quick = readShortNumber(parsed))
        return *quick;
    double value = 0;
    const auto result = std::from_chars(parsed.data(), parsed.data() + parsed.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (isTooLarge(parsed))
            throw CalcFault{Fault::Overflow};
        return parsed.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}

ResultText writeIntegerResult(std::int64_t value) {
    ResultText text;
    text.size_ = static_cast<std::size_t>(
        std::to_chars(text.chars_.data(), text.chars_.data() + text.chars_.size(), value).ptr -
        text.chars_.data());
    return text;
}

ResultText writeResult(double value) {
    if (value == 0)
        return writeIntegerResult(0);
    const double absolute = std::fabs(value);
    // A whole number below 1E15 has at most 15 digits and is written in full. Below that bound the
    // conversion to an integer is exact for whole numbers and cheaper than floor.
    if (absolute < 1e15 && static_cast<double>(static_cast<std::int64_t>(absolute)) == absolute)
        return writeIntegerResult(static_cast<std::int64_t>(value));
    // The significant digits, without the point and without trailing zeros, and the decimal exponent.
    char digits[24];
    int digitCount = 0;
    int exponent = 0;
    if (const auto rounded = roundToFifteenDigits(absolute)) {
        writeFifteenDigits(rounded->digits, digits);
        digitCount = 15;
        exponent = rounded->exponent;
    } else {
        char buffer[64];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, absolute, std::chars_format::scientific, 14).ptr;
        const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
        const auto exponentAt = scientific.find('e');
        for (const char c : scientific.substr(0, exponentAt))
            if (c != '.')
                digits[digitCount++] = c;
        // The buffer holds no terminating zero, so the exponent is read within the written characters only.
        std::string_view exponentText = scientific.substr(exponentAt + 1);
        if (exponentText.front() == '+')
            exponentText.remove_prefix(1);
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    }
    while (digitCount > 1 && digits[digitCount - 1] == '0')
        --digitCount;

    ResultText text;
    char* out = text.chars_.data();
    const auto put = [&out](char c) { *out++ = c; };
    const auto putDigits = [&](int from, int to) {
        for (int index = from; index < to; ++index)
            put(digits[index]);
    };
    if (value < 0)
        put('-');
    if (exponent < -4 || exponent >= 15) {
        put(digits[0]);
        if (digitCount > 1) {
            put('.');
            putDigits(1, digitCount);
        }
        put('E');
        if (exponent < 0)
            put('-');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            put('0');
        out = std::to_chars(out, text.chars_.data() + text.chars_.size(), magnitude).ptr;
    } else if (exponent < 0) {
        put('.');
        for (int zero = 0; zero < -exponent - 1; ++zero)
            put('0');
        putDigits(0, digitCount);
    } else if (digitCount <= exponent + 1) {
        putDigits(0, digitCount);
        for (int zero = 0; zero < exponent + 1 - digitCount; ++zero)
            put('0');
    } else {
        putDigits(0, exponent + 1);
        put('.');
        putDigits(exponent + 1, digitCount);
    }
    text.size_ = static_cast<std::size_t>(out - text.chars_.data());
    return text;
}

std::string writeNumber(double value) {
    const ResultText written = writeResult(value);
    const std::string_view tidy = written.view();
    std::string text(value < 0 ? "" : " ");
    const auto exponentAt = tidy.find('E');
    if (exponentAt == std::string_view::npos || tidy[exponentAt + 1] == '-')
        return text.append(tidy);
    return text.append(tidy.substr(0, exponentAt + 1)).append("+").append(tidy.substr(exponentAt + 1));
}

std::string writeInteger(std::int64_t value) {
    std::string text(value < 0 ? "" : " ");
    const ResultText written = writeIntegerResult(value);
    text.append(written.view());
    return text;
}

double roundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

} // namespace MODULCalc
