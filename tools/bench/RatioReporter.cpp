#include "RatioReporter.h"

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <utility>

#include <unistd.h>

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Microseconds(double seconds) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << seconds * 1e6 << " us";
    return text.str();
}

} // namespace

RatioReporter::RatioReporter(std::vector<Pair> pairs)
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
    , FPairs(std::move(pairs)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
        Record(run);
}

void RatioReporter::Record(const Run& run) {
    if (run.error_occurred)
        return;
    const std::string& name = run.run_name.function_name;
    double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    if (run.run_type == Run::RT_Iteration)
        FRepetitions[name].push_back(seconds);
    else if (run.aggregate_name == "median")
        FReportedMedians[name] = seconds;
}

std::optional<double> RatioReporter::Seconds(const std::string& name) const {
    if (auto it = FRepetitions.find(name); it != FRepetitions.end())
        return Median(it->second);
    if (auto it = FReportedMedians.find(name); it != FReportedMedians.end())
        return it->second;
    return std::nullopt;
}

void RatioReporter::PrintRatios(std::ostream& out) const {
    out << "\nRatios, median real time per iteration:\n";
    for (const Pair& pair : FPairs) {
        out << "  " << std::left << std::setw(18) << pair.Label;
        std::optional<double> first = Seconds(pair.First);
        std::optional<double> second = Seconds(pair.Second);
        if (!first || !second || *second <= 0) {
            out << "not measured (" << (first ? pair.Second : pair.First)
                << " was filtered out or failed)\n";
            continue;
        }
        out << std::right << std::setw(12) << Microseconds(*first) << " / " << std::setw(12)
            << Microseconds(*second) << " = " << std::fixed << std::setprecision(2)
            << *first / *second << '\n';
    }
}
