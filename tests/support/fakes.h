#pragma once
// A log and charts that keep what the runs write, for tests without a window.

#include "output/output_log.h"
#include "output/point_chart.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace nelin::testing_support {

struct VectorLog : OutputLog {
    std::vector<std::string> lines;
    void ClearLog() override { lines.clear(); }
    void AppendLogLine(std::string_view line) override { lines.emplace_back(line); }
};

// Keeps the points in the order rule of a chart: ascending x, equal x in
// the order of addition.
struct VectorChart : PointChart {
    std::vector<std::pair<double, double>> points;
    void ClearPoints() override { points.clear(); }
    void AddPoint(double x, double y) override
    {
        const auto at = std::upper_bound(points.begin(), points.end(), x,
                                         [](double value, const auto& point) { return value < point.first; });
        points.insert(at, {x, y});
    }
};

} // namespace nelin::testing_support
