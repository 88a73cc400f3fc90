#include "output/chart_widget.h"
#include "platform/file_stream.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/qt_printers.h"
#include "tests/support/recorded_messages.h"
#include "ui/tform1.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace nelin {
namespace {

using testing_support::RecordedMessages;

const QDateTime SavedAt(QDate(2009, 5, 7), QTime(9, 5, 3));
const QString Stamp = QStringLiteral("090507_090503");

QByteArray Read(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window with a clock that reads the times queued for it, and a fresh
// working folder.
class Saving : public testing::Test {
protected:
    Saving() : form(messages)
    {
        previous = QDir::currentPath();
        EXPECT_TRUE(folder.isValid());
        QDir::setCurrent(folder.path());
        form.SetClock([this] {
            if (times.empty()) return SavedAt;
            const QDateTime next = times.front();
            times.pop_front();
            return next;
        });
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    ~Saving() override { QDir::setCurrent(previous); }

    void Click(const char* name)
    {
        QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
    QStringList StampedFiles(const QString& stamp) const
    {
        QStringList names;
        for (int i = 1; i <= 4; ++i) names << stamp + QStringLiteral("graf%1.bmp").arg(i);
        names << stamp + QStringLiteral(".txt");
        names.sort();
        return names;
    }
    static int BitsPerPixel(const QByteArray& bmp) { return static_cast<unsigned char>(bmp.at(28)); }

    RecordedMessages messages;
    QTemporaryDir folder;
    QString previous;
    std::deque<QDateTime> times;
    TForm1 form;
};

TEST_F(Saving, RightAfterStartUp)
{
    Click("Button2");
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(Files(), StampedFiles(Stamp));
    for (int i = 1; i <= 4; ++i) {
        const QByteArray bmp = Read(Stamp + QStringLiteral("graf%1.bmp").arg(i));
        ASSERT_TRUE(bmp.startsWith("BM"));
        EXPECT_EQ(BitsPerPixel(bmp), 24);
        const QImage picture = QImage::fromData(bmp, "BMP");
        EXPECT_EQ(picture.size(), QSize(400, 350));
    }
    EXPECT_EQ(QFileInfo(Stamp + QStringLiteral(".txt")).size(), 0);
}

TEST_F(Saving, AfterAFullRunTheTextIsTheLogInCodePage1250)
{
    Click("Button1");
    Click("Button2");
    const QByteArray text = Read(Stamp + QStringLiteral(".txt"));
    const std::string expected = ToCodePage1250(form.Log().WholeText().toStdString());
    EXPECT_EQ(text.toStdString(), expected);
    EXPECT_TRUE(text.startsWith("po\xE8" "et krokov= 500\r\nve\xBEkos\x9D kroku= 0.0001 s\r\n"));
    EXPECT_TRUE(text.endsWith("0.05  0.075  0.00205  0.00026\r\n"));
    EXPECT_EQ(text.count("\r\n"), 510);
}

TEST_F(Saving, AfterHelpTheTextHas616Bytes)
{
    Click("Button4");
    Click("Button2");
    EXPECT_EQ(Read(Stamp + QStringLiteral(".txt")).size(), 616);
}

TEST_F(Saving, DuringAWalkTheNextPressStartsOver)
{
    Click("Button3");
    Click("Button3");
    Click("Button2");
    EXPECT_EQ(form.State().StepPosition, 0);
    EXPECT_EQ(Read(Stamp + QStringLiteral(".txt")).count("\r\n"), 12);
    Click("Button3");
    EXPECT_EQ(form.Log().LineCount(), 11);
}

TEST_F(Saving, EachNameHasItsOwnReading)
{
    // A second boundary passes before the fourth picture; then midnight
    // passes between the date and the time reading of the text's name.
    const QDateTime later = SavedAt.addSecs(1);
    const QDateTime beforeMidnight(QDate(2009, 5, 7), QTime(23, 59, 59));
    const QDateTime midnight(QDate(2009, 5, 8), QTime(0, 0, 0));
    times = {SavedAt, SavedAt, SavedAt, SavedAt, SavedAt, SavedAt, later, later, beforeMidnight, midnight};
    Click("Button2");
    EXPECT_EQ(Files(), (QStringList{QStringLiteral("090507_000000.txt"), QStringLiteral("090507_090503graf1.bmp"),
                                    QStringLiteral("090507_090503graf2.bmp"), QStringLiteral("090507_090503graf3.bmp"),
                                    QStringLiteral("090507_090504graf4.bmp")}));
}

TEST_F(Saving, TwoSavesInOneSecondReplaceTheFiles)
{
    Click("Button4");
    Click("Button2");
    Click("Button1");
    Click("Button2");
    EXPECT_EQ(Files(), StampedFiles(Stamp));
    EXPECT_EQ(Read(Stamp + QStringLiteral(".txt")).count("\r\n"), 510);
}

TEST_F(Saving, AZoomedChartIsSavedZoomed)
{
    Click("Button1");
    ChartWidget& chart = form.Chart(1);
    QCoreApplication::processEvents();
    const QByteArray automatic = chart.BitmapBytes();
    const QCPRange automaticX = chart.xAxis->range(), automaticY = chart.yAxis->range();
    const QRect plot = chart.axisRect()->rect();
    const QPoint from = plot.topLeft() + QPoint(20, 20);
    const QPoint to = plot.center();
    QTest::mousePress(&chart, Qt::LeftButton, {}, from);
    QTest::mouseMove(&chart, (from + to) / 2);
    QTest::mouseMove(&chart, to);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, to);
    ASSERT_FALSE(chart.AxesAutomatic());
    const QCPRange zoomed = chart.xAxis->range();
    EXPECT_LT(zoomed.size(), 0.05 * 0.6);

    Click("Button2");
    EXPECT_NE(Read(Stamp + QStringLiteral("graf1.bmp")), automatic);
    // The zoom survives a run, and a drag towards the upper left undoes it.
    Click("Button1");
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.xAxis->range(), zoomed);
    QTest::mousePress(&chart, Qt::LeftButton, {}, to);
    QTest::mouseMove(&chart, from);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, from);
    EXPECT_TRUE(chart.AxesAutomatic());
    const QByteArray undone = chart.BitmapBytes();
    EXPECT_EQ(chart.xAxis->range(), automaticX);
    EXPECT_EQ(chart.yAxis->range(), automaticY);
    EXPECT_TRUE(undone == automatic);
}

TEST_F(Saving, RightDragScrollsAndATinyDragDoesNothing)
{
    Click("Button1");
    ChartWidget& chart = form.Chart(2);
    QCoreApplication::processEvents();
    const QCPRange before = chart.xAxis->range();
    const QPoint at = chart.axisRect()->center();
    QTest::mousePress(&chart, Qt::LeftButton, {}, at);
    QTest::mouseMove(&chart, at + QPoint(2, 2));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, at + QPoint(2, 2));
    EXPECT_TRUE(chart.AxesAutomatic());

    QTest::mousePress(&chart, Qt::RightButton, {}, at);
    QMouseEvent move(QEvent::MouseMove, at + QPoint(40, 0), chart.mapToGlobal(at + QPoint(40, 0)), Qt::NoButton,
                     Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&chart, &move);
    QTest::mouseRelease(&chart, Qt::RightButton, {}, at + QPoint(40, 0));
    EXPECT_FALSE(chart.AxesAutomatic());
    EXPECT_LT(chart.xAxis->range().lower, before.lower);
    EXPECT_NEAR(chart.xAxis->range().size(), before.size(), 1e-12);
}

TEST_F(Saving, ARemovedWorkingFolderCannotCreate)
{
    Click("Button3");
    const QString path = folder.path();
    ASSERT_TRUE(QDir(path).removeRecursively());
    Click("Button2");
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].startsWith(QStringLiteral("Cannot create file \""))) << messages.errors[0].toStdString();
    EXPECT_TRUE(messages.errors[0].endsWith(QStringLiteral("graf1.bmp\". No such file or directory")));
    EXPECT_EQ(form.State().StepPosition, 1);
}

TEST_F(Saving, AFileSizeLimitEndsTheSaveAndKeepsTheEarlierFiles)
{
    Click("Button4");
    Click("Button2"); // a first save under the same names
    const QByteArray earlierPicture = Read(Stamp + QStringLiteral("graf1.bmp"));
    Click("Button1");
    Click("Button3");
    {
        testing_support::FileSizeLimit limit(100'000); // below one picture
        Click("Button2");
    }

    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Stream write error")});
    EXPECT_EQ(Files(), StampedFiles(Stamp)); // no temporary left behind
    EXPECT_EQ(Read(Stamp + QStringLiteral("graf1.bmp")), earlierPicture);
    EXPECT_EQ(Read(Stamp + QStringLiteral(".txt")).size(), 616);
    EXPECT_EQ(form.State().StepPosition, 1);
}

} // namespace
} // namespace nelin
