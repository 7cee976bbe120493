#pragma once
// Console output plus, at the end, each measurement as a ratio to its baseline: a run
// named "X/memcpy" is the baseline of the run named "X", measured in the same process.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace dorvik::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // The aim for a measurement, printed beside its ratio.
    void setAim(const std::string& name, double ratio) { m_aims[name] = ratio; }

    void ReportRuns(const std::vector<Run>& runs) override;

    // Prints "X: r x memcpy" for every X that has a baseline.
    void printRatios() const;

private:
    std::map<std::string, double> m_seconds; // real time per iteration
    std::map<std::string, double> m_aims;
};

} // namespace dorvik::bench
