// Runs every benchmark of glimmerbox-bench, then prints the mapping's cost relative to bare JSON parsing.
#include "BenchFigures.h"
#include "MappingRatio.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

// Prints as usual and keeps the mapping/parse ratio: the median of its repetitions, or its single run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_name.function_name == springStepBenchmarkName && run.run_type == Run::RT_Iteration &&
                !run.error_occurred)
                m_springStepNs = run.GetAdjustedRealTime();
            if (run.run_name.function_name != ratioBenchmarkName || run.error_occurred)
                continue;
            const auto counter = run.counters.find(ratioCounterName);
            if (counter == run.counters.end())
                continue;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_median = counter->second.value;
            else if (run.run_type == Run::RT_Iteration)
                m_single = counter->second.value;
        }
    }

    std::optional<double> ratio() const { return m_median ? m_median : m_single; }
    std::optional<double> springStepNs() const { return m_springStepNs; }

private:
    std::optional<double> m_median;
    std::optional<double> m_single;
    std::optional<double> m_springStepNs; // the benchmark's unit is nanoseconds
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // One application for every benchmark; the view benchmarks need widgets, off screen unless told
    // otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    if (const std::optional<double> ratio = reporter.ratio())
        std::printf("mapping/parse ratio: %.2f\n", *ratio);
    else
        std::printf("mapping/parse ratio: not measured\n");
    if (const std::optional<double> ns = reporter.springStepNs())
        std::printf("spring step ns: %.1f\n", *ns);
    const int views = 50;
    std::printf("image decodes for %d views: %d\n", views, imageDecodesForViews(views));
    for (auto figure = benchSummary().cbegin(); figure != benchSummary().cend(); ++figure)
        std::printf("%s: %.2f\n", qPrintable(figure.key()), figure.value());
    return 0;
}
