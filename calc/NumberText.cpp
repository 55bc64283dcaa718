#include "calc/NumberText.h"

#include "calc/Evaluation.h"
#include "calc/FifteenDigits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
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

// Where the last digit other than 0 stands among the fifteen digits from digits[1] on, the first of which
// is never 0: read from the two words the digits were written as, where a machine keeps the lowest byte
// of a word first.
int lastSignificantDigit(const char* digits) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t Zeros = 0x3030303030303030;
        std::uint64_t high = 0;
        std::memcpy(&high, digits + 8, sizeof high);
        if ((high ^= Zeros) != 0)
            return 8 + (63 - std::countl_zero(high)) / 8;
        std::uint64_t low = 0;
        std::memcpy(&low, digits, sizeof low);
        return (63 - std::countl_zero(low ^ Zeros)) / 8;
    }
    int last = 15;
    while (last > 1 && digits[last] == '0')
        --last;
    return last;
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

double readLongNumber(std::string_view text) {
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
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    if (std::endian::native != std::endian::little || magnitude >= 100'000'000) {
        text.size_ = static_cast<std::size_t>(
            std::to_chars(text.chars_.data(), text.chars_.data() + text.chars_.size(), value).ptr -
            text.chars_.data());
        return text;
    }
    // The eight digits with the leading zeros shifted out: they are the lowest bytes of the word.
    const std::uint64_t digits = eightDigits(static_cast<std::uint32_t>(magnitude));
    const int zeros = magnitude == 0 ? 7 : std::countr_zero(digits ^ 0x3030303030303030) / 8;
    const std::uint64_t significant = digits >> (8 * zeros);
    char* out = text.chars_.data();
    if (value < 0)
        *out++ = '-';
    std::memcpy(out, &significant, sizeof significant);
    text.size_ = static_cast<std::size_t>(out - text.chars_.data() + 8 - zeros);
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
    // The significant digits from digits[1] on, without the point and without trailing zeros, and the
    // decimal exponent; the room after them lets every piece be copied in a fixed size.
    char digits[40]{};
    int digitCount = 0;
    int exponent = 0;
    if (const auto rounded = roundToFifteenDigits(absolute)) {
        writeSixteenDigits(rounded->digits, digits);
        digitCount = lastSignificantDigit(digits);
        exponent = rounded->exponent;
    } else {
        char buffer[64];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, absolute, std::chars_format::scientific, 14).ptr;
        const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
        const auto exponentAt = scientific.find('e');
        for (const char c : scientific.substr(0, exponentAt))
            if (c != '.')
                digits[1 + digitCount++] = c;
        // The buffer holds no terminating zero, so the exponent is read within the written characters only.
        std::string_view exponentText = scientific.substr(exponentAt + 1);
        if (exponentText.front() == '+')
            exponentText.remove_prefix(1);
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    }
    while (digitCount > 1 && digits[digitCount] == '0')
        --digitCount;
    const char* const significant = digits + 1;

    ResultText text;
    char* out = text.chars_.data();
    if (value < 0)
        *out++ = '-';
    const auto count = static_cast<std::size_t>(digitCount);
    if (exponent >= 0 && exponent < 15 && digitCount > exponent + 1) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        std::memcpy(out, significant, 16);
        out[whole] = '.';
        std::memcpy(out + whole + 1, significant + whole, 16);
        text.size_ = static_cast<std::size_t>(out - text.chars_.data()) + count + 1;
        return text;
    }
    if (exponent < 0 && exponent >= -4) {
        // The point and the zeros between it and the first significant digit.
        const auto zeros = static_cast<std::size_t>(-exponent - 1);
        std::memcpy(out, ".000", 4);
        std::memcpy(out + 1 + zeros, significant, 16);
        text.size_ = static_cast<std::size_t>(out - text.chars_.data()) + 1 + zeros + count;
        return text;
    }
    const auto put = [&out](char c) { *out++ = c; };
    if (exponent < -4 || exponent >= 15) {
        put(significant[0]);
        if (digitCount > 1) {
            put('.');
            for (std::size_t index = 1; index < count; ++index)
                put(significant[index]);
        }
        put('E');
        if (exponent < 0)
            put('-');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            put('0');
        out = std::to_chars(out, text.chars_.data() + text.chars_.size(), magnitude).ptr;
    } else {
        // A whole number that rounding to fifteen digits made: its digits, then zeros up to the point.
        for (std::size_t index = 0; index < count; ++index)
            put(significant[index]);
        for (int zero = 0; zero < exponent + 1 - digitCount; ++zero)
            put('0');
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
