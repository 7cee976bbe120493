#include "bench/engine/ratioreporter.h"

#include <cstdio>

namespace dorvik::bench {

namespace {
const std::string kBaseline = "/memcpy";
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
            m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
}

void RatioReporter::printRatios() const {
    std::printf("\nEach measurement beside a plain memcpy of the same rows, same run:\n");
    for (const auto& [name, time] : m_seconds) {
        if (name.size() >= kBaseline.size() &&
            name.compare(name.size() - kBaseline.size(), kBaseline.size(), kBaseline) == 0) {
            continue;
        }
        const auto baseline = m_seconds.find(name + kBaseline);
        if (baseline == m_seconds.end() || baseline->second <= 0) {
            continue;
        }
        const double ratio = time / baseline->second;
        const auto aim = m_aims.find(name);
        if (aim != m_aims.end()) {
            std::printf("  %-28s %6.2f x memcpy  (aim <= %.1f: %s)\n", name.c_str(), ratio,
                        aim->second, ratio <= aim->second ? "met" : "MISSED");
        } else {
            std::printf("  %-28s %6.2f x memcpy\n", name.c_str(), ratio);
        }
    }
}

} // namespace dorvik::bench
