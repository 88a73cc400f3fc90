#include "output/memo_log.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace nelin {

MemoLog::MemoLog(QPlainTextEdit& memo) : memo_(memo) {}

void MemoLog::ClearLog()
{
    pending_.clear();
    havePending_ = false;
    memo_.clear();
}

void MemoLog::AppendLogLine(std::string_view line)
{
    pending_ += QLatin1Char('\n');
    pending_ += QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    havePending_ = true;
    if (batchDepth_ == 0) Flush();
}

void MemoLog::Flush()
{
    if (!havePending_) return;
    QTextCursor cursor(memo_.document());
    cursor.movePosition(QTextCursor::End);
    // The lines go after everything the box holds, the user's text included;
    // into an empty box without the leading line break.
    const bool empty = memo_.document()->isEmpty();
    cursor.insertText(empty ? pending_.mid(1) : pending_);
    pending_.clear();
    havePending_ = false;
}

int MemoLog::LineCount() const
{
    const QTextDocument* document = memo_.document();
    return document->isEmpty() ? 0 : document->blockCount();
}

QString MemoLog::Line(int index) const
{
    return memo_.document()->findBlockByNumber(index).text();
}

QString MemoLog::WholeText() const
{
    QString text;
    const QTextDocument* document = memo_.document();
    if (document->isEmpty()) return text;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        text += block.text();
        text += QStringLiteral("\r\n");
    }
    return text;
}

MemoLog::Batch::Batch(MemoLog& log) : log_(log)
{
    ++log_.batchDepth_;
}

MemoLog::Batch::~Batch()
{
    if (--log_.batchDepth_ == 0) log_.Flush();
}

} // namespace nelin
