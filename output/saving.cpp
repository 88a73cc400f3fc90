#include "output/saving.h"

#include "output/chart_widget.h"
#include "output/memo_log.h"
#include "platform/file_stream.h"

namespace nelin {

QString StampedFileName(const QString& suffix, const LocalClock& clock)
{
    const QDate date = clock().date();
    const QDateTime dateTime = clock();
    return date.toString(QString::fromLatin1(DateTextFormat)) + QLatin1Char('_') +
           dateTime.toString(QString::fromLatin1(TimeTextFormat)) + suffix;
}

void SaveChartBitmap(ChartWidget& chart, const QString& fileName)
{
    const QByteArray bytes = chart.BitmapBytes();
    WriteWholeFile(fileName.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void SaveLogFile(const MemoLog& log, const QString& fileName)
{
    WriteWholeFile(fileName.toStdString(), ToCodePage1250(log.WholeText().toStdString()));
}

} // namespace nelin
