#include "calc/Evaluation.h"

#include "calc/MODULCalc.h"

#include <bit>
#include <chrono>
#include <ctime>

namespace MODULCalc {

std::string FaultText(Fault Code) {
    if (Code == Fault::Overflow) {
        return "Overflow";
    }
    return "Error (" + std::to_string(static_cast<int>(Code)) + ")";
}

Random::Random(double SecondsSinceMidnight) : State(std::bit_cast<std::uint64_t>(SecondsSinceMidnight)) {}

Random::Random(double (*Clock)()) : Clock(Clock) {}

float Random::Next() {
    if (Clock != nullptr) {
        State = std::bit_cast<std::uint64_t>(Clock());
        Clock = nullptr;
    }
    // splitmix64: small, fast and well distributed even for neighbouring seeds such as consecutive seconds.
    State += 0x9E3779B97F4A7C15ULL;
    std::uint64_t Z = State;
    Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBULL;
    Z ^= Z >> 31;
    // 24 random bits are exactly what a float holds below 1.
    return static_cast<float>(Z >> 40) * (1.0f / 16777216.0f);
}

double SecondsSinceMidnight() {
    const auto Now = std::chrono::system_clock::now();
    const std::time_t Seconds = std::chrono::system_clock::to_time_t(Now);
    std::tm Local{};
    localtime_r(&Seconds, &Local);
    const auto SubSecond = Now - std::chrono::system_clock::from_time_t(Seconds);
    return Local.tm_hour * 3600.0 + Local.tm_min * 60.0 + Local.tm_sec +
           std::chrono::duration<double>(SubSecond).count();
}

} // namespace MODULCalc
