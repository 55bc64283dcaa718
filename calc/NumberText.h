#pragma once

#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <cstdint>
#include <string>
#include <string_view>

// Conversion between numbers and their text, the same whatever the locale.
namespace MODULCalc {

// What readNumber reads where the text is not a plain number of at most 15 digits.
double readLongNumber(std::string_view text);

// Eight digits at once, as many operands after the first pass have fifteen of them: nothing when the
// eight characters at text are not all digits.
inline std::optional<std::uint32_t> readEightDigits(const char* text) {
    if constexpr (std::endian::native != std::endian::little)
        return std::nullopt;
    std::uint64_t chunk = 0;
    std::memcpy(&chunk, text, sizeof chunk);
    // Each byte is a digit when its upper half is 3 and adding 6 leaves it there.
    constexpr std::uint64_t Upper = 0xF0F0F0F0F0F0F0F0;
    if (((chunk & Upper) | (((chunk + 0x0606060606060606) & Upper) >> 4)) != 0x3333333333333333)
        return std::nullopt;
    chunk -= 0x3030303030303030;
    // Pairs, then fours, then all eight, each step joining neighbouring lanes.
    chunk = chunk * 10 + (chunk >> 8);
    constexpr std::uint64_t Lanes = 0x000000FF000000FF;
    chunk = ((chunk & Lanes) * 0x000F424000000064 + ((chunk >> 16) & Lanes) * 0x0000271000000001) >> 32;
    return static_cast<std::uint32_t>(chunk);
}

// The digits from next on, appended to mantissa; next is left after them.
inline std::uint64_t readDigits(const char*& next, const char* end, std::uint64_t mantissa) {
    const char* at = next;
    for (; end - at >= 8; at += 8) {
        const auto eight = readEightDigits(at);
        if (!eight)
            break;
        mantissa = mantissa * 100'000'000 + *eight;
    }
    for (; at != end && static_cast<unsigned char>(*at - '0') < 10; ++at)
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*at - '0');
    next = at;
    return mantissa;
}

// Reads the longest leading part of text that forms a decimal number (optional sign, digits, optional
// point and digits, optional "E" with optional sign and digits); 0 when there is none. A literal beyond
// the range of a double throws CalcFault Overflow; one too small to represent reads as 0. Every operation
// reads two operands, most of them without an exponent and with at most 15 digits: those are read here,
// in the sweep that finds their end, with the very arithmetic of the general reading.
inline double readNumber(std::string_view text) {
    static constexpr std::array<double, 16> PowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* next = text.data();
    const char* const end = next + text.size();
    const bool negative = next != end && *next == '-';
    if (next != end && (negative || *next == '+'))
        ++next;
    const char* const whole = next;
    std::uint64_t mantissa = readDigits(next, end, 0);
    auto digits = static_cast<std::size_t>(next - whole);
    std::size_t fraction = 0;
    if (next != end && *next == '.') {
        const char* const point = ++next;
        mantissa = readDigits(next, end, mantissa);
        fraction = static_cast<std::size_t>(next - point);
    }
    digits += fraction;
    if (digits == 0)
        return 0.0;
    if (digits > 15 || (next != end && *next == 'E'))
        return readLongNumber(text);
    const auto value = static_cast<double>(mantissa);
    const double scaled = fraction == 0 ? value : value / PowersOfTen[fraction];
    return negative ? -scaled : scaled;
}

// At most 15 significant digits, no trailing zeros, no 0 before the point (".5", "-.25"), a leading
// blank for values that are not negative. Like the classic BASIC display of doubles, the exponent form
// ("1E+21", "1.5E-07", at least two exponent digits) is used when the decimal exponent of the rounded
// value is below -4 or 15 and above: 1E-4 is written ".0001" but 1E-5 is "1E-05", and
// 999999999999999 is written in full but 1E15 is "1E+15".
std::string writeNumber(double value);

std::string writeInteger(std::int64_t value);

// A computed value's text as it goes into the working term: writeNumber's or writeInteger's text without
// the leading blank and without a plus sign in the exponent ("1E21"). Held in place rather than on the
// heap, since every operation writes one and the text is copied into the term at once.
class ResultText {
public:
    std::string_view view() const { return {chars_.data(), size_}; }

private:
    friend ResultText writeResult(double value);
    friend ResultText writeIntegerResult(std::int64_t value);
    // The longest text is a negative 15-digit mantissa with a three-digit negative exponent: 22 characters;
    // the room after it lets the pieces of a text be copied in a fixed size.
    // Only the first size_ characters are ever read, so the rest is left as it is.
    std::array<char, 40> chars_; // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::size_t size_ = 0;
};

ResultText writeResult(double value);
ResultText writeIntegerResult(std::int64_t value);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

} // namespace MODULCalc
