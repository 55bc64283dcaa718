#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace MODULCalc {

// Run-time error numbers the calculator reports as "Error (n)"; Overflow is shown as the word itself.
enum class Fault : int {
    InvalidArgument = 5,
    Overflow = 6,
    OutOfMemory = 7,
    IndexOutOfRange = 9,
    DivisionByZero = 11,
    TooComplex = 28,
    Internal = 51,
};

// Thrown inside the engine to end one evaluation; Calculate turns it into the result text.
struct CalcFault {
    Fault code;
};

std::string faultText(Fault code);

// Uniform generator for rnd, seeded from the clock reading of the call it belongs to.
class Random {
public:
    explicit Random(double secondsSinceMidnight);
    // Seeded from clock when the first value is drawn: few Terms draw any, and reading the local time
    // costs more than reducing a whole short Term.
    explicit Random(double (*clock)());
    // A single-precision value in [0, 1).
    float next();

private:
    std::uint64_t state_ = 0;
    double (*clock_)() = nullptr;
};

// Everything one call of Calculate shares between its stages.
struct Evaluation {
    std::span<const std::string> slots;
    int slotCount = 0;
    Random rng;
    // The length of the working term at the start of the current pass.
    std::size_t termSize = 0;

    // Only var can make a Term grow without end: a Term that grows beyond this many bytes ends with "Error
    // (28)", the number of the platform's out-of-stack-space error that runaway recursion produces. No
    // character takes more than four bytes, so every working term of up to 1,048,576 characters is allowed; a
    // Term typed longer than the bound is only refused once var makes it grow further.
    static constexpr std::size_t MaxWorkingLength = std::size_t{4} << 20;
    // A slot that calls itself, on its own or through others, is stopped the same way after this many
    // calls in a row (see InsertedText). Slots that do not call themselves nest at most 32 deep; some that
    // do end by themselves, within far fewer calls ('10*var(0)' overflows after about 300, '2*var(0)' after
    // 1,024), while 'var(0)+1' would need 1E15. A slot whose every call leaves a few characters the passes
    // cannot reduce grows the Term on each call, and each pass looks at the grown Term again, so the time
    // to reach the bound grows with its square: at 2,000 calls that stays within a few milliseconds.
    static constexpr std::size_t MaxChain = 2'000;
};

} // namespace MODULCalc
