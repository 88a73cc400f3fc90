#include "output/chart_widget.h"

#include "platform/errors.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLocale>
#include <QMouseEvent>

#include <algorithm>

namespace nelin {
namespace {

// Axis labels written by a number pattern, with "." as the decimal separator
// and the system's thousands separator.
class PatternTicker : public QCPAxisTicker {
public:
    explicit PatternTicker(std::string_view pattern)
        : pattern_(ParseNumberPattern(pattern)),
          thousandsSeparator_(QLocale::system().groupSeparator().toStdString())
    {
    }

protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override
    {
        return QString::fromStdString(FormatWithPattern(tick, pattern_, thousandsSeparator_));
    }

private:
    NumberPattern pattern_;
    std::string thousandsSeparator_;
};

constexpr char HorizontalPattern[] = "#,##0.###";
// A drag shorter than this in both directions does nothing.
constexpr int MinimumDrag = 4;
constexpr int MarkerSize = 5;
// Space kept between an extreme marker's centre and the plot's edge, so the
// marker is drawn whole.
constexpr double MarkerMargin = 5;

// The range that puts lowest and highest MarkerMargin pixels inside an axis
// of the given length. The chart's own width or height stands for the
// axis's, which is shorter by the title and the labels: the margin on screen
// is then a little smaller, still more than half a marker, and the ranges do
// not depend on the labels they produce.
QCPRange PaddedRange(double lowest, double highest, double pixels)
{
    if (lowest == highest) {
        const double half = lowest == 0 ? 1 : std::abs(lowest) * 0.05;
        return {lowest - half, highest + half};
    }
    const double usable = std::max(pixels - 2 * MarkerMargin, 1.0);
    const double pad = (highest - lowest) * MarkerMargin / usable;
    return {lowest - pad, highest + pad};
}

void SetupAxis(QCPAxis* axis, std::string_view pattern)
{
    axis->setTicker(QSharedPointer<QCPAxisTicker>(new PatternTicker(pattern)));
    // Ticks outside the plotting area, clear of the markers at its edges.
    axis->setTickLengthIn(0);
    axis->setTickLengthOut(4);
    axis->setSubTickLengthIn(0);
    axis->setSubTickLengthOut(2);
}

} // namespace

ChartWidget::ChartWidget(QWidget* parent) : QCustomPlot(parent)
{
    connect(this, &QCustomPlot::beforeReplot, this, &ChartWidget::PrepareReplot);
}

void ChartWidget::Setup(const QString& title, std::string_view verticalPattern)
{
    setFocusPolicy(Qt::StrongFocus);
    setBackground(Qt::white);
    legend->setVisible(false);

    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    plotLayout()->insertRow(0);
    title_ = new QCPTextElement(this, title, titleFont);
    title_->setTextColor(Qt::black);
    plotLayout()->addElement(0, 0, title_);

    SetupAxis(xAxis, HorizontalPattern);
    SetupAxis(yAxis, verticalPattern);
    automaticX_ = xAxis->range();
    automaticY_ = yAxis->range();
    setSelectionRectMode(QCP::srmZoom);
    setToolTip(QStringLiteral("zväčšovanie/zmenšovanie grafu označením časti grafu zľava-doprava/ zprava-doľava."));

    series_ = addGraph();
    series_->setLineStyle(QCPGraph::lsNone);
    // Squares on whole pixels: crisp, and much cheaper to draw.
    series_->setAntialiasedScatters(false);
    // The 5 x 5 black square as a picture: blitting it is far cheaper than
    // filling and outlining a rectangle per point.
    QPixmap marker(MarkerSize, MarkerSize);
    marker.fill(Qt::black);
    series_->setScatterStyle(QCPScatterStyle(marker));
}

QString ChartWidget::Title() const
{
    return title_ ? title_->text() : QString();
}

void ChartWidget::ClearPoints()
{
    points_.clear();
    sorted_ = true;
    seriesStale_ = true;
    rangesStale_ = true;
    replot(rpQueuedReplot);
}

void ChartWidget::AddPoint(double x, double y)
{
    if (!points_.empty() && x < points_.back().key) sorted_ = false;
    points_.push_back(QCPGraphData(x, y));
    seriesStale_ = true;
    rangesStale_ = true;
    replot(rpQueuedReplot);
}

void ChartWidget::SortPoints()
{
    // A stable sort of the points in their order of addition puts each one
    // after every earlier point whose x is not greater than its own.
    if (!sorted_) {
        std::stable_sort(points_.begin(), points_.end(),
                         [](const QCPGraphData& a, const QCPGraphData& b) { return a.key < b.key; });
        sorted_ = true;
    }
}

const std::vector<QCPGraphData>& ChartWidget::Points()
{
    SortPoints();
    return points_;
}

void ChartWidget::PrepareReplot()
{
    if (seriesStale_) {
        seriesStale_ = false;
        SortPoints();
        series_->data()->set(QVector<QCPGraphData>(points_.begin(), points_.end()), true);
    }
    if (!rangesStale_) return;
    rangesStale_ = false;
    if (!points_.empty()) {
        auto [low, high] = std::minmax_element(points_.begin(), points_.end(), [](const QCPGraphData& a, const QCPGraphData& b) {
            return a.value < b.value;
        });
        automaticX_ = PaddedRange(points_.front().key, points_.back().key, width());
        automaticY_ = PaddedRange(low->value, high->value, height());
    }
    if (automatic_) {
        xAxis->setRange(automaticX_);
        yAxis->setRange(automaticY_);
    }
}

void ChartWidget::UndoZoom()
{
    automatic_ = true;
    rangesStale_ = true;
}

void ChartWidget::mousePressEvent(QMouseEvent* event)
{
    pressPos_ = event->pos();
    if (event->button() == Qt::RightButton) {
        scrolling_ = axisRect()->rect().contains(event->pos());
        scrollPos_ = event->pos();
        return;
    }
    QCustomPlot::mousePressEvent(event);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!scrolling_) {
        QCustomPlot::mouseMoveEvent(event);
        return;
    }
    // The points follow the pointer.
    PrepareReplot();
    automatic_ = false;
    const QPoint to = event->pos();
    xAxis->moveRange(xAxis->pixelToCoord(scrollPos_.x()) - xAxis->pixelToCoord(to.x()));
    yAxis->moveRange(yAxis->pixelToCoord(scrollPos_.y()) - yAxis->pixelToCoord(to.y()));
    scrollPos_ = to;
    replot(rpQueuedReplot);
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        scrolling_ = false;
        return;
    }
    QCustomPlot::mouseReleaseEvent(event);
}

// Decides from where the drag began and ended: towards the lower right it
// zooms into the rectangle, in any other direction it undoes.
void ChartWidget::processRectZoom(QRect, QMouseEvent* event)
{
    const QPoint from = pressPos_;
    const QPoint to = event->pos();
    if (std::abs(to.x() - from.x()) < MinimumDrag && std::abs(to.y() - from.y()) < MinimumDrag) return;
    if (to.x() > from.x() && to.y() > from.y()) {
        PrepareReplot();
        automatic_ = false;
        xAxis->setRange(xAxis->pixelToCoord(from.x()), xAxis->pixelToCoord(to.x()));
        yAxis->setRange(yAxis->pixelToCoord(to.y()), yAxis->pixelToCoord(from.y()));
    } else {
        UndoZoom();
    }
    replot(rpQueuedReplot);
}

QByteArray ChartWidget::BitmapBytes()
{
    PrepareReplot();
    const QImage picture = toPixmap(width(), height()).toImage().convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture)) throw FileError("Stream write error");
    return bytes;
}

} // namespace nelin
