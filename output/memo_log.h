#pragma once
// The output log held by the window's text box: each line of the log is one
// block of the box's document. The user may edit it; the system only clears
// it, appends lines and reads it back.

#include "output/output_log.h"

#include <QString>

class QPlainTextEdit;

namespace nelin {

class MemoLog : public OutputLog {
public:
    explicit MemoLog(QPlainTextEdit& memo);

    void ClearLog() override;
    void AppendLogLine(std::string_view line) override;

    int LineCount() const;
    QString Line(int index) const;
    // The whole text: every line followed by CR LF; empty for an empty log.
    QString WholeText() const;

    // Gathers the appends of one handler and puts them into the document in
    // one insertion when it ends, many times faster than a layout per line.
    class Batch {
    public:
        explicit Batch(MemoLog& log);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        MemoLog& log_;
    };

private:
    void Flush();

    QPlainTextEdit& memo_;
    QString pending_; // lines appended in a batch, each after a line break
    bool havePending_ = false;
    int batchDepth_ = 0;
};

} // namespace nelin
