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

bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

// Length of the leading decimal number in Text, 0 when there is none.
std::size_t NumberLength(std::string_view Text) {
    std::size_t Pos = 0;
    if (Pos < Text.size() && (Text[Pos] == '-' || Text[Pos] == '+')) {
        ++Pos;
    }
    std::size_t Digits = 0;
    while (Pos < Text.size() && IsDigit(Text[Pos])) {
        ++Pos;
        ++Digits;
    }
    if (Pos < Text.size() && Text[Pos] == '.') {
        ++Pos;
        while (Pos < Text.size() && IsDigit(Text[Pos])) {
            ++Pos;
            ++Digits;
        }
    }
    if (Digits == 0) {
        return 0;
    }
    if (Pos < Text.size() && Text[Pos] == 'E') {
        std::size_t Exponent = Pos + 1;
        if (Exponent < Text.size() && (Text[Exponent] == '-' || Text[Exponent] == '+')) {
            ++Exponent;
        }
        if (Exponent < Text.size() && IsDigit(Text[Exponent])) {
            while (Exponent < Text.size() && IsDigit(Text[Exponent])) {
                ++Exponent;
            }
            Pos = Exponent;
        }
    }
    return Pos;
}

// Decides whether a literal the parser could not represent is too large (rather than too small): the
// position of its first significant digit plus its exponent, saturated so that huge exponents stay safe.
bool IsTooLarge(std::string_view Number) {
    long long Magnitude = 0;
    bool SeenPoint = false;
    bool SeenSignificant = false;
    std::size_t Pos = 0;
    for (; Pos < Number.size() && Number[Pos] != 'E'; ++Pos) {
        const char C = Number[Pos];
        if (C == '.') {
            SeenPoint = true;
        } else if (IsDigit(C)) {
            if (C != '0') {
                SeenSignificant = true;
            }
            if (SeenSignificant && !SeenPoint) {
                ++Magnitude;
            } else if (!SeenSignificant && SeenPoint) {
                --Magnitude;
            }
        }
    }
    long long Exponent = 0;
    bool Negative = false;
    for (++Pos; Pos < Number.size(); ++Pos) {
        if (Number[Pos] == '-') {
            Negative = true;
        } else if (IsDigit(Number[Pos]) && Exponent < 1'000'000) {
            Exponent = Exponent * 10 + (Number[Pos] - '0');
        }
    }
    return Magnitude + (Negative ? -Exponent : Exponent) > 0;
}

} // namespace

// Most literals have few digits and a small exponent: then the digits make an exact whole number and
// the power of ten is exact as well, so one multiplication or division rounds exactly as the full
// conversion does. Nothing when the literal needs the full conversion.
std::optional<double> ReadShortNumber(std::string_view Number) {
    static constexpr std::array<double, 23> PowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t Pos = 0;
    const bool Negative = Number.front() == '-';
    Pos += Negative ? 1 : 0;
    std::uint64_t Mantissa = 0;
    int Digits = 0;
    int Scale = 0;
    bool SeenPoint = false;
    for (; Pos < Number.size() && Number[Pos] != 'E'; ++Pos) {
        if (Number[Pos] == '.') {
            SeenPoint = true;
            continue;
        }
        Mantissa = Mantissa * 10 + static_cast<std::uint64_t>(Number[Pos] - '0');
        Scale -= SeenPoint ? 1 : 0;
        if (++Digits > 15) {
            return std::nullopt;
        }
    }
    if (Pos < Number.size()) {
        int Exponent = 0;
        const char* const Last = Number.data() + Number.size();
        const auto Parsed = std::from_chars(Number.data() + Pos + 1, Last, Exponent);
        if (Parsed.ec != std::errc{} || Parsed.ptr != Last || Exponent > 100 || Exponent < -100) {
            return std::nullopt;
        }
        Scale += Exponent;
    }
    if (Scale > 22 || Scale < -22) {
        return std::nullopt;
    }
    const auto Whole = static_cast<double>(Mantissa);
    const double Value = Scale >= 0 ? Whole * PowersOfTen[static_cast<std::size_t>(Scale)]
                                    : Whole / PowersOfTen[static_cast<std::size_t>(-Scale)];
    return Negative ? -Value : Value;
}

namespace {

// A number without an exponent and with at most 15 digits, the usual operand, read in the sweep that
// finds its end, with the very arithmetic of ReadShortNumber. Nothing for any other text.
std::optional<double> ReadPlainNumber(std::string_view Text) {
    static constexpr std::array<double, 16> PowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* Next = Text.data();
    const char* const End = Next + Text.size();
    const bool Negative = Next != End && *Next == '-';
    if (Next != End && (Negative || *Next == '+')) {
        ++Next;
    }
    const auto IsDigitAt = [&End](const char* At) { return At != End && IsDigit(*At); };
    std::uint64_t Mantissa = 0;
    const char* const Whole = Next;
    for (; IsDigitAt(Next); ++Next) {
        Mantissa = Mantissa * 10 + static_cast<std::uint64_t>(*Next - '0');
    }
    auto Digits = static_cast<std::size_t>(Next - Whole);
    std::size_t Fraction = 0;
    if (Next != End && *Next == '.') {
        const char* const Point = ++Next;
        for (; IsDigitAt(Next); ++Next) {
            Mantissa = Mantissa * 10 + static_cast<std::uint64_t>(*Next - '0');
        }
        Fraction = static_cast<std::size_t>(Next - Point);
    }
    Digits += Fraction;
    if (Digits == 0) {
        return 0.0;
    }
    if (Digits > 15 || (Next != End && *Next == 'E')) {
        return std::nullopt;
    }
    const auto Value = static_cast<double>(Mantissa);
    const double Scaled = Fraction == 0 ? Value : Value / PowersOfTen[Fraction];
    return Negative ? -Scaled : Scaled;
}

} // namespace

double ReadNumber(std::string_view Text) {
    if (const auto Plain = ReadPlainNumber(Text)) {
        return *Plain;
    }
    std::string_view Number = Text.substr(0, NumberLength(Text));
    if (Number.empty()) {
        return 0;
    }
    std::string_view Parsed = Number.front() == '+' ? Number.substr(1) : Number;
    if (const auto Short = ReadShortNumber(Parsed)) {
        return *Short;
    }
    double Value = 0;
    const auto Result = std::from_chars(Parsed.data(), Parsed.data() + Parsed.size(), Value);
    if (Result.ec == std::errc::result_out_of_range) {
        if (IsTooLarge(Parsed)) {
            throw CalcFault{Fault::Overflow};
        }
        return Parsed.front() == '-' ? -0.0 : 0.0;
    }
    return Value;
}

ResultText WriteIntegerResult(std::int64_t Value) {
    ResultText Text;
    Text.Size = static_cast<std::size_t>(
        std::to_chars(Text.Chars.data(), Text.Chars.data() + Text.Chars.size(), Value).ptr -
        Text.Chars.data());
    return Text;
}

ResultText WriteResult(double Value) {
    if (Value == 0) {
        return WriteIntegerResult(0);
    }
    const double Absolute = std::fabs(Value);
    // A whole number below 1E15 has at most 15 digits and is written in full. Below that bound the
    // conversion to an integer is exact for whole numbers and cheaper than floor.
    if (Absolute < 1e15 && static_cast<double>(static_cast<std::int64_t>(Absolute)) == Absolute) {
        return WriteIntegerResult(static_cast<std::int64_t>(Value));
    }
    // The significant digits, without the point and without trailing zeros, and the decimal exponent.
    char Digits[24];
    int DigitCount = 0;
    int Exponent = 0;
    if (const auto Rounded = RoundToFifteenDigits(Absolute)) {
        WriteFifteenDigits(Rounded->Digits, Digits);
        DigitCount = 15;
        Exponent = Rounded->Exponent;
    } else {
        char Buffer[64];
        const auto End =
            std::to_chars(Buffer, Buffer + sizeof Buffer, Absolute, std::chars_format::scientific, 14).ptr;
        const std::string_view Scientific(Buffer, static_cast<std::size_t>(End - Buffer));
        const auto ExponentAt = Scientific.find('e');
        for (const char C : Scientific.substr(0, ExponentAt)) {
            if (C != '.') {
                Digits[DigitCount++] = C;
            }
        }
        // The buffer holds no terminating zero, so the exponent is read within the written characters only.
        std::string_view ExponentText = Scientific.substr(ExponentAt + 1);
        if (ExponentText.front() == '+') {
            ExponentText.remove_prefix(1);
        }
        std::from_chars(ExponentText.data(), ExponentText.data() + ExponentText.size(), Exponent);
    }
    while (DigitCount > 1 && Digits[DigitCount - 1] == '0') {
        --DigitCount;
    }

    ResultText Text;
    char* Out = Text.Chars.data();
    const auto Put = [&Out](char C) { *Out++ = C; };
    const auto PutDigits = [&](int From, int To) {
        for (int Index = From; Index < To; ++Index) {
            Put(Digits[Index]);
        }
    };
    if (Value < 0) {
        Put('-');
    }
    if (Exponent < -4 || Exponent >= 15) {
        Put(Digits[0]);
        if (DigitCount > 1) {
            Put('.');
            PutDigits(1, DigitCount);
        }
        Put('E');
        if (Exponent < 0) {
            Put('-');
        }
        const int Magnitude = std::abs(Exponent);
        if (Magnitude < 10) {
            Put('0');
        }
        Out = std::to_chars(Out, Text.Chars.data() + Text.Chars.size(), Magnitude).ptr;
    } else if (Exponent < 0) {
        Put('.');
        for (int Zero = 0; Zero < -Exponent - 1; ++Zero) {
            Put('0');
        }
        PutDigits(0, DigitCount);
    } else if (DigitCount <= Exponent + 1) {
        PutDigits(0, DigitCount);
        for (int Zero = 0; Zero < Exponent + 1 - DigitCount; ++Zero) {
            Put('0');
        }
    } else {
        PutDigits(0, Exponent + 1);
        Put('.');
        PutDigits(Exponent + 1, DigitCount);
    }
    Text.Size = static_cast<std::size_t>(Out - Text.Chars.data());
    return Text;
}

std::string WriteNumber(double Value) {
    const ResultText Written = WriteResult(Value);
    const std::string_view Tidy = Written.View();
    std::string Text(Value < 0 ? "" : " ");
    const auto ExponentAt = Tidy.find('E');
    if (ExponentAt == std::string_view::npos || Tidy[ExponentAt + 1] == '-') {
        return Text.append(Tidy);
    }
    return Text.append(Tidy.substr(0, ExponentAt + 1)).append("+").append(Tidy.substr(ExponentAt + 1));
}

std::string WriteInteger(std::int64_t Value) {
    std::string Text(Value < 0 ? "" : " ");
    const ResultText Written = WriteIntegerResult(Value);
    Text.append(Written.View());
    return Text;
}

double RoundHalfEven(double Value) {
    const double Lower = std::floor(Value);
    const double Fraction = Value - Lower;
    if (Fraction > 0.5) {
        return Lower + 1;
    }
    if (Fraction < 0.5) {
        return Lower;
    }
    return std::fmod(Lower, 2.0) == 0 ? Lower : Lower + 1;
}

} // namespace MODULCalc
