#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The calculator engine: a Term goes in as text and its value, a console answer, the unreduced Term or an
// error text comes out. The engine keeps nothing between calls; the variable slots are passed in.
namespace MODULCalc {

inline constexpr std::string_view VersionBanner = "Numbra 2.01.03";

// How many variable slots the calculator has: the panel's list, and what every caller that offers them all
// passes as SlotCount.
inline constexpr std::int16_t VariableSlots = 32;

// Seconds since local midnight, the clock the random generator is reseeded from on every call.
double secondsSinceMidnight();

// Never throws. Slots are only read (by var); SlotCount may exceed Slots.size(), which var reports as an
// index error rather than reading past the end.
std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount);

// The same with the clock reading given, so that rnd is reproducible.
std::string Calculate(const std::string& Term, std::int16_t HideConsole, std::int16_t BasicOnly,
                      std::span<const std::string> Slots, std::int16_t SlotCount,
                      double secondsSinceMidnight);

} // namespace MODULCalc
