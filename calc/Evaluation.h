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
    // Work that inserted slot text may still cause, in units of roughly one character scanned.
    std::size_t WorkLeft;
    // The length of the working term at the start of the current pass.
    std::size_t TermSize = 0;

    // Only var can make a Term grow without end or cycle for ever (a slot that refers to itself or to a slot
    // that refers back). Without it every changing pass takes out a character that is not part of a number,
    // so what an inserted slot text can cost is its characters and one more pass over the Term for each of
    // its characters that is not part of a number. When the allowance runs out the evaluation ends with
    // "Error (28)", the number of the platform's out-of-stack-space error that runaway recursion produces.
    void Charge(std::size_t Units) {
        if (Units > WorkLeft) {
            throw CalcFault{Fault::TooComplex};
        }
        WorkLeft -= Units;
    }

    // Rough cost of one inserted slot character in scanned characters, covering the pass it is read in.
    static constexpr std::size_t InsertedCharacterCost = 64;
};

} // namespace MODULCalc
