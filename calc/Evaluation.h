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
    // The work var has caused so far, in the units of MaxSlotWork: its calls, what they inserted and the
    // passes from the first call on.
    std::size_t slotWork = 0;
    // The characters those passes have searched through.
    std::size_t searched = 0;

    // Counts one call of var that inserts the given number of characters, and ends the evaluation with
    // "Error (28)" once the work of this evaluation passes MaxSlotWork.
    void chargeSlotCall(std::size_t characters);
    // Counts a pass that searched through the given number of characters, once var has been called.
    void chargePass(std::size_t searchedCharacters);

    // Every change a pass makes takes at least one character out of the Term that is no part of a number,
    // except var, which puts a slot's characters in. So without var a Term reduces in fewer passes than it
    // has characters, and with var the passes, the memory and the time are bounded by the Term's length
    // plus what var has inserted. That is what this bound counts, from the first call on: each call weighs
    // CallWork plus the characters it inserts, each pass PassWork (a pass looks at every place changed
    // since the previous one, so it costs more than a character even when nothing grows), and every
    // SearchWork characters a pass searched through weigh one more (a search for an operator that occurs
    // far away reads all the way to it, and beside a long text every pass can make one). Reaching the bound
    // answers "Error (28)", the number of the platform's out-of-stack-space error that runaway recursion
    // produces: slots that call themselves end there, on every machine after the same work. The figures
    // keep every evaluation within its time budget (bench_calculate), while a Term may still make 5,000
    // calls of short slots, or read a slot of 100,000 characters; a Term without var never reaches it.
    static constexpr std::size_t CallWork = 16;
    static constexpr std::size_t PassWork = 8;
    static constexpr std::size_t SearchWork = 1024;
    static constexpr std::size_t MaxSlotWork = 150'000;
};

} // namespace MODULCalc
