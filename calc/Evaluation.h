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
    // Work the evaluation may still do, in units of roughly one character scanned.
    std::size_t WorkLeft;

    // A slot that refers to itself makes the Term grow, or cycle, in every pass. Charging every pass, every
    // operator a level looks at and every inserted slot character bounds time and memory for any input
    // while leaving room for Terms far longer than anyone types; when the allowance runs out the evaluation
    // ends with "Error (28)", the number of the platform's out-of-stack-space error that runaway recursion
    // produces.
    void Charge(std::size_t Units) {
        if (Units > WorkLeft) {
            throw CalcFault{Fault::TooComplex};
        }
        WorkLeft -= Units;
    }

    // Rough costs in scanned characters: a pass's fixed work, one operator looked at by an arithmetic
    // level, and one inserted slot character, which covers the relations and keywords it may bring along.
    static constexpr std::size_t PassCost = 256;
    static constexpr std::size_t OccurrenceCost = 8;
    static constexpr std::size_t InsertedCharacterCost = 64;
};

} // namespace MODULCalc
