#include "calc/Evaluation.h"

#include "calc/MODULCalc.h"

#include <bit>
#include <chrono>
#include <ctime>

namespace MODULCalc {

std::string faultText(Fault code) {
    if (code == Fault::Overflow)
        return "Overflow";
    return "Error (" + std::to_string(static_cast<int>(code)) + ")";
}

namespace {

void checkWork(const Evaluation& eval) {
    if (eval.slotWork + eval.searched / Evaluation::SearchWork > Evaluation::MaxSlotWork)
        throw CalcFault{Fault::TooComplex};
}

} // namespace

void Evaluation::chargeSlotCall(std::size_t characters) {
    slotWork += CallWork + characters;
    checkWork(*this);
}

void Evaluation::chargePass(std::size_t searchedCharacters) {
    if (slotWork == 0)
        return;
    slotWork += PassWork;
    searched += searchedCharacters;
    checkWork(*this);
}

Random::Random(double secondsSinceMidnight) : state_(std::bit_cast<std::uint64_t>(secondsSinceMidnight)) {}

Random::Random(double (*clock)()) : clock_(clock) {}

float Random::next() {
    if (clock_ != nullptr) {
        state_ = std::bit_cast<std::uint64_t>(clock_());
        clock_ = nullptr;
    }
    // splitmix64: small, fast and well distributed even for neighbouring seeds such as consecutive seconds.
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // 24 random bits are exactly what a float holds below 1.
    return static_cast<float>(z >> 40) * (1.0f / 16777216.0f);
}

double secondsSinceMidnight() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto subSecond = now - std::chrono::system_clock::from_time_t(seconds);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
           std::chrono::duration<double>(subSecond).count();
}

} // namespace MODULCalc
