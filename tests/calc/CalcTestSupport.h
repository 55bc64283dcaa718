#pragma once

#include "calc/MODULCalc.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

// Terms with the result the calculator panel shows for them: no flags, 32 empty variable slots.
struct CalcRow {
    std::string_view term;
    std::string_view expected;
};

// Precedence, associativity, the Terms left unreduced, operands read up to their longest leading number,
// operands without a digit, and where the answer turns to the exponent form.
inline const std::vector<CalcRow> ArithmeticRows{
    {"1+2*3", "7"},        {"10/4", "2.5"},          {"1/2", ".5"},           {"7#3", "1"},
    {"-7#3", "-1"},        {"7.5#2", "0"},           {"2+7#3*2", "4"},        {"2^3^2", "64"},
    {"2^0", "1"},          {"0^0", "(0^0)"},         {"2^-1", "(2^-1)"},      {"8/4*2", "4"},
    {"-2^2", "4"},         {"0.1", "0.1"},           {"0.1+0", ".1"},         {"p", "P"},
    {"-5*3", "-15"},       {"(1+2", "(3"},           {"2(3)", "23"},          {"1+", "(1+)"},
    {"5/0", "(5/0)"},      {"abc", "(abc)"},         {"0.1+0.2", ".3"},       {"-0*5", "0"},
    {"-1/4", "-.25"},      {"1.E2+0", "100"},        {"007+0", "7"},          {"0E999+1", "1"},
    {"1.2.3+0", "1.2"},    {"1EE5+0", "1"},          {"2P+0", "2"},           {"1E-+1", "2"},
    {"E5+1", "1"},         {"1E14*10", "1E15"},      {"1/10000", ".0001"},    {"1/100000", "1E-05"},
    {"2.5E-3*1", ".0025"}, {"-1E-300*1", "-1E-300"}, {"1.5E-7*1", "1.5E-07"}, {"5/0+6/3", "(5/0+6/3)"},
    {".*2", "(.*2)"},      {"2*-.E", "(2*-.E)"},
};

// How answers are written: pi's ten decimals, the exponent form with its two or three digits, and the ends
// of the exponent range. The fifteen digits themselves are checked against the C library.
inline const std::vector<CalcRow> DisplayRows{
    {"P*2", "6.283185307"},
    {"914-(101-221-935-869)", "914"},
    {"sin(P)", "8.97931843395232E-11"},
    {"log(0)+sqr(4)", "(log(0)+2)"},
    {"12+(P)", "15.1415926535"},
    {"1/3*1E-5", "3.33333333333333E-06"},
    {"123456789012345678+0", "1.23456789012346E17"},
    {"999999999999999.9+0", "1E15"},
    {"0.000123456+0", ".000123456"},
    {"1.7976931348623157E308*1", "1.79769313486232E308"},
    {"-1.7976931348623157E308*1", "-1.79769313486232E308"},
    {"5E-324*1", "4.94065645841247E-324"},
    {"-2147483648#-1", "0"},
    {"1.7976931348623157E308*10", "Overflow"},
};

inline const std::vector<CalcRow> ErrorRows{
    {"9^999", "Overflow"},       {"1E300*1E300", "Overflow"}, {"5#0", "Error (11)"},
    {"5#.4", "Error (11)"},      {"(-8)^.5", "Error (5)"},    {"3E9#2", "Overflow"},
    {"1E999", "1E999"},          {"1E999+1", "Overflow"},     {"-1E999+1", "Overflow"},
    {"99999E305+1", "Overflow"}, {"cnt(40000)", "Overflow"},  {"1E-999+1", "1"},
};

// The ends of every range: the remainder's 32-bit and cnt's 16-bit operands, the slots var reaches, where the
// answer turns to the exponent form and where a value becomes 0.
inline const std::vector<CalcRow> LimitRows{
    {"2147483647#2", "1"},         {"2147483647.5#2", "Overflow"},
    {"-2147483648.5#2", "0"},      {"cnt(32767)", "32767"},
    {"cnt(32767.5)", "Overflow"},  {"cnt(-32768.5)", "-32768"},
    {"cnt(-32768.6)", "Overflow"}, {"var(31.9)", ""},
    {"var(-.5)", "(var(-.5))"},    {"1E-4*1", ".0001"},
    {"1E15-1", "999999999999999"}, {"2.4E-324*1", "0"},
};

inline const std::vector<CalcRow> FunctionRows{
    {"sin(0)", "0"},          {"cos(0)", "1"},          {"int(-2.5)", "-3"},    {"frc(2.25)", ".25"},
    {"frc(-2.25)", ".75"},    {"cnt(2.5)", "2"},        {"cnt(3.5)", "4"},      {"cnt(-2.5)", "-2"},
    {"cnt(-3.5)", "-4"},      {"cnt(2.4)", "2"},        {"sgn(-7)", "-1"},      {"sgn(0)", "0"},
    {"abs(-3)", "3"},         {"sqr(16)", "4"},         {"log(1)", "0"},        {"fix(-2.5)", "-2"},
    {"fix(2.5)", "2"},        {"var(0)", ""},           {"1+sin(0)", "1"},      {"abc(5)", "(abc5)"},
    {"sin()", "0"},           {"sqr(-1)", "(sqr(-1))"}, {"log(0)", "(log(0))"}, {"var(32)", "(var(32))"},
    {"var(-1)", "(var(-1))"},
};

// A relation takes the single runs of number characters next to it, as they are written.
inline const std::vector<CalcRow> RelationRows{
    {"3>2", "1"},     {"1<>1", "0"},          {"1|2", "1"},      {"2=>1", "1"},    {"2=<1", "0"},
    {"2>=2", "1"},    {"1<=0", "0"},          {"2+2=4", "2"},    {"(2+2)=4", "1"}, {"5<3=0", "0"},
    {"1and0", "0"},   {"(1=1)and(2=2)", "1"}, {"not0", "1"},     {"1xor1", "0"},   {"1eqv1", "1"},
    {"1EQV1", "1"},   {"0Eqv1", "0"},         {"not1and1", "0"}, {"10and1", "10"}, {"P>3", "0"},
    {"(P+0)>3", "1"}, {"1or0", "1"},          {"0xor1", "1"},    {"1E2=100", "1"}, {"1=1=1", "1"},
    {"a=1", "(a=1)"}, {"P=0", "1"},           {"=1", "(=1)"},    {"1=>2", "0"},    {"3<>3<>4", "1"},
    {"-1<0", "1"},    {"1=", "(1=)"},         {"2<3<4", "1"},    {"1<()>2", "1"},
};

// Each answer once: the lookup is one table, so one row per kind of key (case, blanks, symbols) is enough.
inline const std::vector<CalcRow> ConsoleRows{
    {"Help Sin", "Returns the sine of an angle given in radians"},
    {"help  sin", "(hElPsin)"},
    {"  version  ", "Numbra 2.01.03"},
    {"    ", "Numbra 2.01.03"},
    {"/?", "Type \"help [<expression>/example/console] \" to get specific help"},
    {"help -", "Substraction."},
    {"help =<", "If true, result is 1, otherwise 0"},
    {"  help professional  ", "shows relational and logical operations"},
    {"help professionals", "(hElPProfEssionals)"},
};

// Case, blanks, brackets, signs, exponents, pi, the decimal comma and per cent, as the answers show them.
inline const std::vector<CalcRow> NormaliseRows{
    {"1,5 + 2", "3.5"}, {"7:2", "3.5"},         {"50%", ".5"},    {"[2+3]*{4}", "20"},
    {"1e+5", "1E5"},    {"1E+5*1", "100000"},   {"5--3", "8"},    {"5---3", "2"},
    {"2*-3", "-6"},     {"4/-2", "-2"},         {"5#-3", "2"},    {"-(2)", "-2"},
    {"{-2}*3", "-6"},   {"[-5]", "-5"},         {"SIN(0)", "0"},  {"Pi", "(Pi)"},
    {"5++3", "(5++3)"}, {"5 - -3", "(5+-+-3)"}, {"1 EQV 0", "0"}, {"eEqV", "(Eeqv)"},
    {"E++1", "(E+1)"},  {"a-b", "(a+-b)"},      {"{}", ""},       {"5++-3", "2"},
};

// No function name fits in the first four characters, counted as characters: a letter of several bytes,
// from any script, counts once; bytes that form no well-formed sequence (overlong forms, surrogates,
// beyond U+10FFFF) count one by one. The last rows are the largest well-formed sequences of their kind.
inline const std::vector<CalcRow> CharacterRows{
    {"éé(P)", "(ééP)"},
    {"日本(P)", "(日本P)"},
    {"😀😀(2)*3", "(😀😀2*3)"},
    {"\xff\xfe(P)", "(\xff\xfeP)"},
    {"\xE0\x80\x80(P)", "(\xE0\x80\2003.1415926535)"},
    {"\xED\xA0\x80(P)", "(\xED\xA0\2003.1415926535)"},
    {"\xF4\x90\x80\x80(P)", "(\xF4\x90\x80\2003.1415926535)"},
    {"\xC0\xAF(P)", "(\xC0\xAFP)"},
    {"\xED\x9F\xBF(P)", "(\xED\x9F\xBFP)"},
    {"\xF4\x8F\xBF\xBF(P)", "(\xF4\x8F\xBF\xBFP)"},
};

inline const std::vector<const std::vector<CalcRow>*> AllRows{&ArithmeticRows, &DisplayRows,   &ErrorRows,
                                                              &FunctionRows,   &RelationRows,  &ConsoleRows,
                                                              &NormaliseRows,  &CharacterRows, &LimitRows};

// A fixed clock reading keeps rnd reproducible.
inline constexpr double FixedClock = 45296.25;

inline std::string panelCalculate(std::string_view term) {
    static const std::array<std::string, MODULCalc::VariableSlots> EmptySlots{};
    return MODULCalc::Calculate(std::string(term), 0, 0, EmptySlots, MODULCalc::VariableSlots, FixedClock);
}
