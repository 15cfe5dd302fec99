#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Prints the results as the console reporter does and keeps the real time per
// iteration of each benchmark, so that pairs of them can be compared at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Two benchmarks compared as first / second under a label.
    struct Pair {
        std::string Label;
        std::string First;
        std::string Second;
    };

    explicit RatioReporter(std::vector<Pair> pairs);

    void ReportRuns(const std::vector<Run>& runs) override;
    // One line a pair: both times and their ratio, or why there is none.
    void PrintRatios(std::ostream& out) const;

private:
    void Record(const Run& run);
    // The median over the repetitions of the benchmark's seconds per
    // iteration; the reported median when only aggregates were reported.
    std::optional<double> Seconds(const std::string& name) const;

    std::vector<Pair> FPairs;
    std::map<std::string, std::vector<double>> FRepetitions;
    std::map<std::string, double> FReportedMedians;
};
