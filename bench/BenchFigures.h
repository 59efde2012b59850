#pragma once

// Figures glimmerbox-bench prints after the benchmark table.
inline constexpr const char* springStepBenchmarkName = "Spring/step";

// Shows one logo through the shared-loader road in `views` views at once and returns how many times it was
// decoded (served from a local server; one is right).
int imageDecodesForViews(int views);

#include <QMap>
#include <QString>

// Figures that benchmarks leave for the end, one "name: value" line each, printed after the table.
inline QMap<QString, double>& benchSummary() {
    static QMap<QString, double> figures;
    return figures;
}
