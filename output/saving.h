#pragma once
// Saving what the window shows: the four chart pictures and the log, under
// names stamped with the local date and time.

#include <QDateTime>
#include <QString>

#include <functional>

namespace nelin {

class ChartWidget;
class MemoLog;

// The local clock; tests hand in their own.
using LocalClock = std::function<QDateTime()>;

// The date and time text formats of file names: "090507" for 7 May 2009,
// "140509" for 14:05:09.
inline constexpr char DateTextFormat[] = "yyMMdd";
inline constexpr char TimeTextFormat[] = "HHmmss";

// Date text, "_", time text, suffix. The clock is read twice, first for the
// date and then for the date and time, so across midnight the two may come
// from different days.
QString StampedFileName(const QString& suffix, const LocalClock& clock);

// Write the chart's picture (BMP) and the log's whole text (code page 1250,
// CR LF after every line) to the named file, created or replaced. Throw
// FileError.
void SaveChartBitmap(ChartWidget& chart, const QString& fileName);
void SaveLogFile(const MemoLog& log, const QString& fileName);

} // namespace nelin
