// Times the window as a user meets it, on the offscreen platform unless
// QT_QPA_PLATFORM names another:
//   build/bench/window_bench
// prints the median of each figure: a full run of 1000 steps with the diode
// from the click to the end of the repaint, one "Krokuj" press at step 1000 of
// a 1000-step walk, and start-up to the first painted window (in a fresh
// process each time), with the peak resident memory.
#include "ui/messages.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using Clock = QElapsedTimer;

class SilentMessages : public nelin::MessageBoxes {
public:
    void ShowError(const QString& message) override { std::fprintf(stderr, "error: %s\n", qPrintable(message)); }
    void ShowRangeMessage() override { std::fputs("range message\n", stderr); }
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long PeakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Milliseconds that `action` takes.
template <class Action>
double TimedMs(Action&& action)
{
    Clock clock;
    clock.start();
    action();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Runs the handler's posted work and every pending paint.
void FinishRepaint()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Prints a marker on the window's first paint, then quits.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            std::printf("painted %ld\n", PeakResidentKiB());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

int StartUpChild(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SilentMessages messages;
    nelin::TForm1 form(messages);
    FirstPaint watcher;
    form.installEventFilter(&watcher);
    form.show();
    return application.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--start-up") == 0) return StartUpChild(argc, argv);

    QApplication application(argc, argv);
    SilentMessages messages;
    nelin::TForm1 form(messages);
    form.show();
    FinishRepaint();
    auto* count = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* draw = form.findChild<QPushButton*>(QStringLiteral("Button1"));
    auto* step = form.findChild<QPushButton*>(QStringLiteral("Button3"));
    count->setText(QStringLiteral("1000"));
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);

    std::vector<double> full;
    for (int i = 0; i < 41; ++i) {
        full.push_back(TimedMs([draw] {
            QTest::mouseClick(draw, Qt::LeftButton);
            FinishRepaint();
        }));
    }

    // Walk to step 999, then time the presses that show sample 1000.
    std::vector<double> press;
    for (int walk = 0; walk < 3; ++walk) {
        while (form.State().StepPosition != 999) step->click();
        FinishRepaint();
        for (int i = 0; i < 11; ++i) {
            form.State().StepPosition = 999;
            press.push_back(TimedMs([step] {
                QTest::keyClick(step, Qt::Key_Return);
                FinishRepaint();
            }));
        }
    }

    std::vector<double> startUp;
    long childPeak = 0;
    for (int i = 0; i < 11; ++i) {
        QProcess child;
        startUp.push_back(TimedMs([&child] {
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start-up")});
            child.waitForReadyRead(10000);
        }));
        const QByteArray line = child.readAllStandardOutput();
        childPeak = std::max(childPeak, line.mid(line.indexOf(' ') + 1).trimmed().toLong());
        child.waitForFinished(10000);
    }

    std::printf("full run, 1000 steps with the diode, click to repaint: %.2f ms\n", Median(full));
    std::printf("Krokuj press at step 1000 of 1000, key to repaint:      %.2f ms\n", Median(press));
    std::printf("start-up to the first painted window:                  %.1f ms\n", Median(startUp));
    std::printf("peak resident memory: %.1f MB at start-up, %.1f MB after the runs\n", static_cast<double>(childPeak) / 1024.0,
                static_cast<double>(PeakResidentKiB()) / 1024.0);
    return 0;
}
