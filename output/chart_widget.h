#pragma once
// One of the four charts: a QCustomPlot with a single point series drawn as
// black 5 x 5 squares, a bold title and number patterns on the axes. Its axes
// follow the points until the user fixes them: a left drag from upper left
// to lower right zooms into the rectangle, a right drag scrolls, and a left
// drag in any other direction undoes both.

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
    // True while the axes follow the points, false once zoomed or scrolled.
    bool AxesAutomatic() const { return automatic_; }

    // The chart drawn afresh at its size and the axis ranges in force, as a
    // BMP file's bytes.
    QByteArray BitmapBytes();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void processRectZoom(QRect rect, QMouseEvent* event) override;

private:
    void PrepareReplot();
    void SortPoints();
    void UndoZoom();

    QCPGraph* series_ = nullptr;
    QCPTextElement* title_ = nullptr;
    std::vector<QCPGraphData> points_; // in order of addition until sorted
    bool sorted_ = true;
    bool seriesStale_ = false;
    bool automatic_ = true;
    bool rangesStale_ = false;
    QCPRange automaticX_, automaticY_; // the ranges while automatic
    QPoint pressPos_;
    bool scrolling_ = false;
    QPoint scrollPos_;
};

} // namespace nelin
