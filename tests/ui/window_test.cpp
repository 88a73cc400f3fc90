#include "output/chart_widget.h"
#include "tests/support/qt_printers.h"
#include "tests/support/recorded_messages.h"
#include "ui/hint_timing.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

namespace nelin {
namespace {

using testing_support::RecordedMessages;

class Window : public testing::Test {
protected:
    Window() : form(messages)
    {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    template <class T = QWidget>
    T* Child(const char* name)
    {
        T* child = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QLineEdit* Field(int n) { return Child<QLineEdit>(("Edit" + std::to_string(n)).c_str()); }
    void Click(const char* button) { QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton); }
    // Replaces a field's text by typing it, as a user does after selecting all.
    void Type(int field, const QString& text)
    {
        QLineEdit* edit = Field(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    QStringList Lines()
    {
        QStringList lines;
        for (int i = 0; i < form.Log().LineCount(); ++i) lines << form.Log().Line(i);
        return lines;
    }
    std::size_t Points(int chart) { return form.Chart(chart).Points().size(); }

    RecordedMessages messages;
    TForm1 form;
};

TEST_F(Window, StartsWithTheDefaults)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Nelineárny elektrický systém"));
    EXPECT_EQ(form.pos(), QPoint(3, 107));
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_EQ(QApplication::focusWidget(), Child("Button3"));
    const char* texts[] = {"500", "0.0001", "0.12", "1000", "0.01", "0.0001", "0.1"};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(Field(i)->text(), QString::fromLatin1(texts[i - 1])) << i;
    EXPECT_FALSE(Child<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(form.Log().LineCount(), 0);
    EXPECT_TRUE(Child<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(Points(i), 0u);
    EXPECT_EQ(form.Chart(2).Title(), QStringLiteral("Ic[A] vs. Uc[V]"));
    EXPECT_EQ(form.State().Parameters.StepCount, 500);
    EXPECT_EQ(form.State().Parameters.DiodeMode, 1);
    EXPECT_EQ(form.State().StepPosition, 0);
    EXPECT_EQ(Field(1)->toolTip(), QStringLiteral("500 <1; 1000>"));
    EXPECT_TRUE(Child("Button4")->toolTip().isEmpty());
    EXPECT_EQ(Child<QLabel>("Label2")->font().pixelSize(), 32);
    EXPECT_EQ(Child("Button1")->geometry(), QRect(816, 400, 106, 25));
}

TEST_F(Window, TabVisitsTheControlsInLayoutOrder)
{
    const char* order[] = {"Button1", "Button2", "Chart1", "Chart2", "Chart3", "Chart4", "Edit1", "Edit3",
                           "Edit4", "Edit5", "Edit6", "Edit7", "Memo1", "Edit2", "Button4", "CheckBox1", "Button3"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
}

TEST_F(Window, HintTiming)
{
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), HintPauseMs);
    EXPECT_EQ(Field(3)->toolTipDuration(), HintDisplayMs);
}

TEST_F(Window, EnterAtStartShowsTheFirstSample)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 11);
    EXPECT_TRUE(lines[10].startsWith(QStringLiteral("0.0001   "))) << lines[10].toStdString();
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(Points(i), 1u);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(form.State().StepPosition, 2);
}

TEST_F(Window, FullRunFillsLogAndCharts)
{
    Click("Button1");
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 510);
    EXPECT_EQ(lines[1], QStringLiteral("veľkosť kroku= 0.0001 s"));
    EXPECT_EQ(lines[509], QStringLiteral("0.05  0.075  0.00205  0.00026"));
    EXPECT_EQ(form.Log().WholeText().count(QStringLiteral("\r\n")), 510);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(Points(i), 500u);
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(Window, KeyFiltersAsTyped)
{
    QLineEdit* count = Field(1);
    count->setFocus();
    count->end(false);
    QTest::keyClicks(count, "a -.7");
    EXPECT_EQ(count->text(), QStringLiteral("5007"));

    QLineEdit* uo = Field(3);
    uo->setFocus();
    uo->end(false);
    QTest::keyClicks(uo, ".-");
    EXPECT_EQ(uo->text(), QStringLiteral("0.12"));
    uo->home(false);
    QTest::keyClick(uo, Qt::Key_Minus);
    EXPECT_EQ(uo->text(), QStringLiteral("-0.12"));
    QTest::keyClick(uo, Qt::Key_Minus);
    EXPECT_EQ(uo->text(), QStringLiteral("-0.12"));

    // Whole text selected: "." is dropped though it would replace the "."; "-" replaces it all.
    QLineEdit* uc = Field(7);
    uc->setFocus();
    uc->selectAll();
    QTest::keyClick(uc, Qt::Key_Period);
    EXPECT_EQ(uc->text(), QStringLiteral("0.1"));
    QTest::keyClick(uc, Qt::Key_Minus);
    EXPECT_EQ(uc->text(), QStringLiteral("-"));

    QLineEdit* r = Field(4);
    r->setFocus();
    r->home(false);
    QTest::keyClick(r, Qt::Key_Minus);
    EXPECT_EQ(r->text(), QStringLiteral("1000"));
}

TEST_F(Window, ClipboardKeysDoNothingButShiftInsertPastes)
{
    QApplication::clipboard()->setText(QStringLiteral("1e-5"));
    QLineEdit* step = Field(2);
    step->setFocus();
    step->selectAll();
    QTest::keyClick(step, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(step, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(step->text(), QStringLiteral("0.0001"));
    form.State().StepPosition = 3;
    QTest::keyClick(step, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(step->text(), QStringLiteral("1e-5"));
    EXPECT_EQ(form.State().StepPosition, 0);
}

TEST_F(Window, AnyEditRestartsTheWalkButTheDiodeDoesNot)
{
    Click("Button3");
    Click("Button3");
    EXPECT_EQ(form.State().StepPosition, 2);
    QTest::mouseClick(Child<QCheckBox>("CheckBox1"), Qt::LeftButton);
    EXPECT_EQ(form.State().Parameters.DiodeMode, 2);
    EXPECT_EQ(form.State().StepPosition, 2);
    Click("Button3");
    EXPECT_EQ(form.State().StepPosition, 3);
    EXPECT_EQ(Lines()[7], QStringLiteral("obvod bez diódy."));

    QLineEdit* count = Field(1);
    count->setFocus();
    QTest::keyClick(count, Qt::Key_A); // dropped: nothing changes
    EXPECT_EQ(form.State().StepPosition, 3);
    QTest::keyClick(count, Qt::Key_Backspace);
    EXPECT_EQ(form.State().StepPosition, 0);
    Click("Button3");
    EXPECT_EQ(Lines().size(), 11);
    EXPECT_EQ(Lines()[7], QStringLiteral("obvod s diódou."));
}

TEST_F(Window, ConversionErrorLeavesEverythingAsItWas)
{
    Click("Button1");
    Type(4, QString());
    Click("Button1");
    Click("Button3");
    ASSERT_EQ(messages.errors.size(), 2);
    EXPECT_EQ(messages.errors[0], QStringLiteral("'' is not a valid floating point value"));
    EXPECT_EQ(Lines().size(), 510);
    EXPECT_EQ(Points(1), 500u);
}

TEST_F(Window, RangeMessageLeavesEverythingAsItWas)
{
    Click("Button3");
    Type(1, QStringLiteral("1001"));
    form.State().StepPosition = 1;
    Click("Button3");
    Click("Button1");
    EXPECT_EQ(messages.rangeMessages, 2);
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_EQ(form.State().Parameters.StepCount, 1001);
    EXPECT_EQ(form.State().StepPosition, 1);
    EXPECT_EQ(Lines().size(), 11);
}

TEST_F(Window, FloatingPointFaultIsShownAndTheWindowGoesOn)
{
    Type(4, QStringLiteral("0"));
    Click("Button1");
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(messages.errors[0], QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(Lines().size(), 9);
    Type(4, QStringLiteral("1000"));
    Click("Button1");
    EXPECT_EQ(Lines().size(), 510);
    EXPECT_EQ(messages.errors.size(), 1);
}

TEST_F(Window, StepToTheEndAndStartOver)
{
    Type(1, QStringLiteral("3"));
    Child("Button3")->setFocus();
    for (int press = 0; press < 3; ++press) QTest::keyClick(Child("Button3"), Qt::Key_Return);
    EXPECT_EQ(Lines().size(), 13);
    QTest::keyClick(Child("Button3"), Qt::Key_Enter);
    EXPECT_EQ(Lines().size(), 11);
    EXPECT_EQ(Points(1), 1u);
}

TEST_F(Window, EnterInAFieldPressesNothing)
{
    QLineEdit* uo = Field(3);
    uo->setFocus();
    QTest::keyClick(uo, Qt::Key_Return);
    QTest::keyClick(uo, Qt::Key_Escape);
    EXPECT_EQ(Lines().size(), 0);
    EXPECT_EQ(uo->text(), QStringLiteral("0.12"));
}

TEST_F(Window, HelpDuringAWalk)
{
    Click("Button3");
    Click("Button3");
    QPlainTextEdit* memo = Child<QPlainTextEdit>("Memo1");
    memo->appendPlainText(QStringLiteral("typed by the user"));
    Click("Button4");
    Click("Button4");
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("V ľavom")));
    EXPECT_EQ(Points(1), 2u);
    EXPECT_EQ(form.State().StepPosition, 0);
    Click("Button3");
    EXPECT_EQ(Lines().size(), 11);
    EXPECT_EQ(Points(1), 1u);
}

TEST_F(Window, LinesAppendAfterTheUsersText)
{
    Click("Button4");
    QPlainTextEdit* memo = Child<QPlainTextEdit>("Memo1");
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, " and more");
    form.Log().AppendLogLine("next");
    EXPECT_TRUE(Lines()[5].endsWith(QStringLiteral(" and more")));
    EXPECT_EQ(Lines()[6], QStringLiteral("next"));
}

TEST_F(Window, ChartOrderRule)
{
    ChartWidget& chart = form.Chart(2);
    chart.ClearPoints();
    for (auto [x, y] : {std::pair{2.0, 1.0}, {1.0, 2.0}, {2.0, 3.0}, {0.5, 4.0}, {1.0, 5.0}}) chart.AddPoint(x, y);
    std::vector<double> ys;
    for (const QCPGraphData& point : chart.Points()) ys.push_back(point.value);
    EXPECT_EQ(ys, (std::vector<double>{4, 2, 5, 1, 3}));
}

TEST_F(Window, AutomaticAxesHoldEveryMarkerWhole)
{
    Click("Button1");
    ChartWidget& chart = form.Chart(1);
    chart.replot();
    const QRect plot = chart.axisRect()->rect();
    for (const QCPGraphData& point : chart.Points()) {
        const double x = chart.xAxis->coordToPixel(point.key);
        const double y = chart.yAxis->coordToPixel(point.value);
        ASSERT_GE(x - 2.5, plot.left());
        ASSERT_LE(x + 2.5, plot.right());
        ASSERT_GE(y - 2.5, plot.top());
        ASSERT_LE(y + 2.5, plot.bottom());
    }
}

} // namespace
} // namespace nelin
