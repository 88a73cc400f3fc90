#pragma once
// One of the four charts: a QCustomPlot with a single point series drawn as
// black 5 x 5 squares, a bold title and number patterns on the axes. Its axes
// follow the points until the user fixes them.

#include "output/number_pattern.h"
#include "output/point_chart.h"

#include <qcustomplot.h>

#include <vector>

namespace nelin {

class ChartWidget : public QCustomPlot, public PointChart {
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // The one setup of every chart; they differ in title and in the pattern
    // of the vertical axis labels.
    void Setup(const QString& title, std::string_view verticalPattern);

    void ClearPoints() override;
    void AddPoint(double x, double y) override;

    // The series' points in their order: ascending x, equal x as added.
    const std::vector<QCPGraphData>& Points();
    QString Title() const;

private:
    void PrepareReplot();
    void SortPoints();

    QCPGraph* series_ = nullptr;
    QCPTextElement* title_ = nullptr;
    std::vector<QCPGraphData> points_; // in order of addition until sorted
    bool sorted_ = true;
    bool seriesStale_ = false;
};

} // namespace nelin
