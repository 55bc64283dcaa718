#pragma once

#include <cstdio>
#include <string>
#include <vector>

// What a benchmark's figure is held to. Each kind says what its limit measures, so that a table row
// reads as "within a frame" or "within 15 times the growth", never as a bare number whose sign means
// something else.
namespace bench {

struct Budget {
    enum class Kind {
        // A single gesture through the real window: within one frame, 16 ms.
        SingleGesture,
        // A gesture over a whole table of entries: within 100 ms.
        WholeTable,
        // At most limit times what reading the text out of a bare text widget costs at the same size.
        RatioToBareWidget,
        // One call of the calculator engine, whatever its Term and slots: within 50 ms, so that a
        // keystroke in the panel, which calls it twice, stays within 100 ms.
        EngineCall,
        // One call of the engine on a Term of 5,000 characters: within 1 ms.
        ShortEngineCall,
        // The time at 100,000 characters over the time at 10,000: at most limit.
        Growth,
        // Peak memory in MiB.
        PeakMemory,
        // A figure other rows are measured against; never over budget.
        Reference,
    };
    Kind kind;
    double limit;

    static Budget singleGesture() { return {Kind::SingleGesture, 16.0}; }
    static Budget wholeTable() { return {Kind::WholeTable, 100.0}; }
    static Budget ratioToBareWidget(double times) { return {Kind::RatioToBareWidget, times}; }
    static Budget engineCall() { return {Kind::EngineCall, 50.0}; }
    static Budget shortEngineCall() { return {Kind::ShortEngineCall, 1.0}; }
    static Budget growth(double times) { return {Kind::Growth, times}; }
    static Budget peakMemory(double mib) { return {Kind::PeakMemory, mib}; }
    static Budget reference() { return {Kind::Reference, 0.0}; }

    const char* unit() const {
        switch (kind) {
        case Kind::Growth:
            return "x";
        case Kind::PeakMemory:
            return "MiB";
        default:
            return "ms";
        }
    }
};

// One line of a closing table: what was measured, at which size, the figure and the budget it is held
// to, with its limit in the figure's unit (a ratio to a bare widget turned into milliseconds).
struct Figure {
    std::string what;
    std::string size;
    double value;
    Budget budget;
    double limit;
    bool failed = false;

    bool within() const { return !failed && (budget.kind == Budget::Kind::Reference || value <= limit); }
};

// Prints the table and gives the exit status of the benchmark: 1 when any figure passed its budget.
inline int printFigures(const std::vector<Figure>& figures) {
    std::printf("\n%-44s %10s %12s %10s  %s\n", "measured", "size", "figure", "budget", "within");
    int status = 0;
    for (const Figure& f : figures) {
        if (f.budget.kind == Budget::Kind::Reference)
            continue;
        std::printf("%-44s %10s %9.3f %-3s %9.2f  %s\n", f.what.c_str(), f.size.c_str(), f.value,
                    f.budget.unit(), f.limit, f.failed ? "FAILED" : (f.within() ? "yes" : "NO"));
        if (!f.within())
            status = 1;
    }
    return status;
}

} // namespace bench
