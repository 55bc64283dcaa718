#include "calc/NumberText.h"

#include "calc/Evaluation.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

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

double ReadNumber(std::string_view Text) {
    std::string_view Number = Text.substr(0, NumberLength(Text));
    if (Number.empty()) {
        return 0;
    }
    std::string_view Parsed = Number.front() == '+' ? Number.substr(1) : Number;
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

std::string WriteNumber(double Value) {
    if (Value == 0) {
        return " 0";
    }
    // to_chars gives the correctly rounded 15 significant digits as "d.ddddddddddddddE+xx".
    char Buffer[64];
    const auto End =
        std::to_chars(Buffer, Buffer + sizeof Buffer, std::fabs(Value), std::chars_format::scientific, 14)
            .ptr;
    const std::string_view Scientific(Buffer, static_cast<std::size_t>(End - Buffer));
    const auto ExponentAt = Scientific.find('e');
    std::string Digits;
    for (const char C : Scientific.substr(0, ExponentAt)) {
        if (C != '.') {
            Digits.push_back(C);
        }
    }
    while (Digits.size() > 1 && Digits.back() == '0') {
        Digits.pop_back();
    }
    // The buffer holds no terminating zero, so the exponent is read within the written characters only.
    std::string_view ExponentText = Scientific.substr(ExponentAt + 1);
    if (ExponentText.front() == '+') {
        ExponentText.remove_prefix(1);
    }
    int Exponent = 0;
    std::from_chars(ExponentText.data(), ExponentText.data() + ExponentText.size(), Exponent);
    const int DigitCount = static_cast<int>(Digits.size());

    std::string Text(1, Value < 0 ? '-' : ' ');
    if (Exponent < -4 || Exponent >= 15) {
        Text += Digits[0];
        if (DigitCount > 1) {
            Text += '.';
            Text.append(Digits, 1);
        }
        Text += Exponent < 0 ? "E-" : "E+";
        const int Magnitude = std::abs(Exponent);
        if (Magnitude < 10) {
            Text += '0';
        }
        Text += std::to_string(Magnitude);
    } else if (Exponent < 0) {
        Text += '.';
        Text.append(static_cast<std::size_t>(-Exponent - 1), '0');
        Text += Digits;
    } else if (DigitCount <= Exponent + 1) {
        Text += Digits;
        Text.append(static_cast<std::size_t>(Exponent + 1 - DigitCount), '0');
    } else {
        Text.append(Digits, 0, static_cast<std::size_t>(Exponent + 1));
        Text += '.';
        Text.append(Digits, static_cast<std::size_t>(Exponent + 1));
    }
    return Text;
}

std::string WriteInteger(std::int64_t Value) {
    std::string Text(Value < 0 ? "" : " ");
    Text += std::to_string(Value);
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
