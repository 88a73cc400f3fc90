// Soak and bad input, in one process on the offscreen platform:
//   build/tests/soak [--presses N] [--runs N] [--log-lines N]
// (defaults 10000, 1000 and 100000). Prints the resident memory before and
// after N "Krokuj" presses of a 1000-step walk and N full runs, how long a
// run takes with a 1 MB text pasted into a field, and how long a save takes
// with N lines typed into the log. Exits non-zero when something was lost:
// a press that did not show its sample, a message that should not come, a
// saved log that does not hold every line. Under LeakSanitizer the exit also
// reports any leak.
#include "output/chart_widget.h"
#include "tests/support/recorded_messages.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <unistd.h>

namespace {

double ResidentMB()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void FinishRepaint()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

int failures = 0;

void Expect(bool condition, const char* what)
{
    if (!condition) {
        std::printf("FAILED: %s\n", what);
        ++failures;
    }
}

int Option(int argc, char* argv[], const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
    }
    return fallback;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace nelin;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int presses = Option(argc, argv, "--presses", 10000);
    const int runs = Option(argc, argv, "--runs", 1000);
    const int logLines = Option(argc, argv, "--log-lines", 100000);

    QApplication application(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    testing_support::RecordedMessages messages;
    TForm1 form(messages);
    form.show();
    auto* count = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* uo = form.findChild<QLineEdit*>(QStringLiteral("Edit3"));
    auto* draw = form.findChild<QPushButton*>(QStringLiteral("Button1"));
    auto* save = form.findChild<QPushButton*>(QStringLiteral("Button2"));
    auto* step = form.findChild<QPushButton*>(QStringLiteral("Button3"));
    auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    count->setText(QStringLiteral("1000"));
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    draw->click();
    FinishRepaint();
    const double start = ResidentMB();

    for (int i = 0; i < presses; ++i) {
        step->click();
        FinishRepaint();
        Expect(form.State().StepPosition == i % 1000 + 1, "a press did not show the next sample");
    }
    const double afterPresses = ResidentMB();
    for (int i = 0; i < runs; ++i) {
        draw->click();
        FinishRepaint();
    }
    const double afterRuns = ResidentMB();
    Expect(form.Chart(1).Points().size() == 1000, "a full run did not show 1000 points");
    Expect(messages.errors.isEmpty() && messages.rangeMessages == 0, "a message came during the soak");

    // 1 MB pasted into the Uo field: 0.000...0001, which reads as 0.
    const QString huge = QStringLiteral("0.") + QString(1 << 20, QLatin1Char('0')) + QStringLiteral("1");
    QGuiApplication::clipboard()->setText(huge);
    uo->selectAll();
    uo->paste();
    QElapsedTimer clock;
    clock.start();
    draw->click();
    FinishRepaint();
    const double pastedRunMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    Expect(uo->text().size() == huge.size(), "the pasted text was cut");
    Expect(form.State().Parameters.Uo == 0 && messages.errors.isEmpty(), "the pasted number was not read");

    // The user's own lines in the log, then a save.
    QString typed;
    for (int i = 0; i < logLines; ++i) typed += QStringLiteral("riadok %1 ľščťžýáíé\n").arg(i);
    memo->clear();
    memo->insertPlainText(typed);
    clock.start();
    save->click();
    const double saveMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const QStringList saved = QDir().entryList({QStringLiteral("*.txt")});
    Expect(saved.size() == 1, "no log file was saved");
    if (saved.size() == 1) {
        QFile file(saved.front());
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        Expect(bytes.count("\r\n") == logLines + 1 && bytes.contains("riadok " + QByteArray::number(logLines - 1)),
               "the saved log lost lines");
    }
    Expect(messages.errors.isEmpty(), "the save failed");

    std::printf("resident memory: %.1f MB after the first run, %.1f MB after %d presses, %.1f MB after %d full runs\n",
                start, afterPresses, presses, afterRuns, runs);
    std::printf("full run with a 1 MB text in the Uo field: %.1f ms\n", pastedRunMs);
    std::printf("save with %d lines typed into the log: %.1f ms\n", logLines, saveMs);
    std::printf("%s\n", failures == 0 ? "nothing lost" : "something was lost");
    return failures == 0 ? 0 : 1;
}
