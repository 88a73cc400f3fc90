#pragma once
// The main window: the stored layout of ui/tform1.ui, the run state it owns,
// and one handler per event. The handlers call into the runs and report
// their own errors; they do no arithmetic.

#include "model/parameters.h"
#include "output/memo_log.h"
#include "output/saving.h"
#include "ui/key_filter.h"
#include "ui/runs.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TForm1;
}

class QLineEdit;

namespace nelin {

class ChartWidget;
class MessageBoxes;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(MessageBoxes& messages, QWidget* parent = nullptr);
    ~TForm1() override;

    RunState& State() { return state_; }
    MemoLog& Log() { return log_; }
    ChartWidget& Chart(int index); // 1 ... 4
    // The clock that stamps saved files; the local clock unless replaced.
    void SetClock(LocalClock clock) { clock_ = std::move(clock); }

    // Handlers, as the layout wires them.
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void CheckBox1Click();
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();
    void Edit6Change();
    void Edit7Change();
    // Key filters: true lets the typed character into the field.
    bool Edit1KeyPress(char32_t typed);
    bool Edit2KeyPress(char32_t typed);
    bool Edit3KeyPress(char32_t typed);
    bool Edit4KeyPress(char32_t typed);
    bool Edit5KeyPress(char32_t typed);
    bool Edit6KeyPress(char32_t typed);
    bool Edit7KeyPress(char32_t typed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyLayoutFonts();
    void SetupCharts();
    void ConnectHandlers();
    ParameterFieldTexts FieldTexts() const;
    bool DiodeTicked() const;
    // Runs a handler's body; an error it raises ends it and is shown in the
    // default error box, with what it did before left in place.
    template <class Body>
    void Guarded(Body&& body);
    // Reads the fields, then runs; a range failure shows the range message.
    template <class Run>
    void RunFromFields(Run run);
    bool FieldAccepts(const QLineEdit& field, FieldFilter filter, char32_t typed) const;

    std::unique_ptr<Ui::TForm1> ui_;
    MessageBoxes& messages_;
    RunState state_;
    MemoLog log_;
    RunCharts charts_{};
    LocalClock clock_ = [] { return QDateTime::currentDateTime(); };
};

} // namespace nelin
