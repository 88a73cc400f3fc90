#pragma once
// A chart as the runs see it: one series of (x, y) points that can be
// emptied and added to. Neither operation draws; the chart is redrawn once
// the handler that called them has returned.

namespace nelin {

class PointChart {
public:
    virtual ~PointChart() = default;
    virtual void ClearPoints() = 0;
    // Keeps the points in ascending order of x; a point goes after every
    // point whose x is less than or equal to its own.
    virtual void AddPoint(double x, double y) = 0;
};

} // namespace nelin
