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
    Fault Code;
};

std::string FaultText(Fault Code);

// Uniform generator for rnd, seeded from the clock reading of the call it belongs to.
class Random {
public:
    explicit Random(double SecondsSinceMidnight);
    // A single-precision value in [0, 1).
    float Next();

private:
    std::uint64_t State;
};

// Everything one call of Calculate shares between its stages.
struct Evaluation {
    std::span<const std::string> Slots;
    std::int16_t SlotCount = 0;
    Random Rng;
    // Characters of working text the evaluation may still go through; see Charge.
    std::size_t WorkLeft;

    // A slot that refers to itself makes the Term grow, or cycle, in every pass. Counting the working
    // text every pass touches bounds time and memory for any input while leaving room for Terms far
    // longer than anyone types; when the allowance runs out the evaluation ends with "Error (28)", the
    // number of the platform's out-of-stack-space error that runaway recursion produces.
    void Charge(std::size_t Characters) {
        if (Characters > WorkLeft) {
            throw CalcFault{Fault::TooComplex};
        }
        WorkLeft -= Characters;
    }
};

} // namespace MODULCalc
