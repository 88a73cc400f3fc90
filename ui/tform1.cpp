#include "ui/tform1.h"

#include "output/chart_widget.h"
#include "platform/errors.h"
#include "ui/hint_timing.h"
#include "ui/key_filter.h"
#include "ui/messages.h"
#include "ui_tform1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <optional>

namespace nelin {
namespace {

// The character a key press types, if it types one. Keys that only move the
// caret or edit (arrows, Home, End, Delete, Insert, Tab) type none, and so
// do modifier-only presses. Ctrl with a letter types that letter's control
// character, as Ctrl+C, Ctrl+X and Ctrl+V do in an edit field.
std::optional<char32_t> TypedCharacter(const QKeyEvent& event)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return U'\r';
    case Qt::Key_Escape:
        return U'\x1b';
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<char32_t>(key - Qt::Key_A + 1);
    }
    const QList<uint> text = event.text().toUcs4();
    if (text.size() != 1 || text.front() < 0x20 || text.front() == 0x7f) return std::nullopt;
    return static_cast<char32_t>(text.front());
}

// A label is as wide as its text. The stand-in for the layout's font runs
// wider than the font the layout was drawn with, so a text that would pass
// its designed width (and run under the control beside it) is set narrower.
void FitToDesignedWidth(QLabel& label)
{
    const int designed = label.width();
    const int needed = label.fontMetrics().horizontalAdvance(label.text());
    if (needed > designed) {
        QFont font = label.font();
        font.setStretch(std::max<int>(QFont::ExtraCondensed, designed * QFont::Unstretched / needed));
        label.setFont(font);
    }
    label.adjustSize();
}

} // namespace

TForm1::TForm1(MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TForm1>()), messages_(messages), log_(*[this] {
          ui_->setupUi(this);
          return ui_->Memo1;
      }())
{
    charts_ = {ui_->Chart1, ui_->Chart2, ui_->Chart3, ui_->Chart4};
    // Shown where designed: the client area of a 1280 x 850 window whose
    // frame's top left corner is at 3, 107.
    move(3, 107);
    setWindowIcon(QIcon(QStringLiteral(":/nelin/icon.xpm")));
    ApplyLayoutFonts();
    SetupCharts();
    ui_->Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui_->Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ui_->Memo1->setTabChangesFocus(true); // Tab leaves the log, as in every other control
    for (QPushButton* button : {ui_->Button1, ui_->Button2, ui_->Button3, ui_->Button4}) {
        // A focused button is pressed by Enter as well as by the space bar;
        // none is the window's default.
        button->setAutoDefault(true);
        button->setDefault(false);
    }
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setFocusPolicy(Qt::NoFocus);
        FitToDesignedWidth(*label);
    }
    for (QLineEdit* field : {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5, ui_->Edit6, ui_->Edit7}) {
        field->installEventFilter(this);
        field->setMaxLength(std::numeric_limits<int>::max()); // no limit: a long paste is kept whole
    }
    ConnectHandlers();
    FormCreate();
    ui_->Button3->setFocus(Qt::OtherFocusReason);
}

TForm1::~TForm1() = default;

ChartWidget& TForm1::Chart(int index)
{
    return *static_cast<ChartWidget*>(charts_.at(static_cast<std::size_t>(index - 1)));
}

void TForm1::ApplyLayoutFonts()
{
    // The layout gives font heights in pixels as the dynamic property
    // "fontPixelSize"; "MS Sans Serif" is looked up among the system's fonts.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.prepend(this);
    for (QWidget* widget : widgets) {
        const QVariant pixels = widget->property("fontPixelSize");
        if (!pixels.isValid()) continue;
        QFont font = widget->font();
        font.setPixelSize(pixels.toInt());
        widget->setFont(font);
    }
}

void TForm1::SetupCharts()
{
    ui_->Chart1->Setup(QStringLiteral("Uc[V] vs. čas[s]"), "0.#####");
    ui_->Chart2->Setup(QStringLiteral("Ic[A] vs. Uc[V]"), "0.#####");
    ui_->Chart3->Setup(QStringLiteral("Ic[A] vs. čas[s]"), "#,##0.####");
    ui_->Chart4->Setup(QStringLiteral("Id[A] vs. Ud[V]"), "0.#####");
}

void TForm1::ConnectHandlers()
{
    connect(ui_->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui_->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(ui_->Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(ui_->CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connect(ui_->Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    connect(ui_->Edit2, &QLineEdit::textChanged, this, &TForm1::Edit2Change);
    connect(ui_->Edit3, &QLineEdit::textChanged, this, &TForm1::Edit3Change);
    connect(ui_->Edit4, &QLineEdit::textChanged, this, &TForm1::Edit4Change);
    connect(ui_->Edit5, &QLineEdit::textChanged, this, &TForm1::Edit5Change);
    connect(ui_->Edit6, &QLineEdit::textChanged, this, &TForm1::Edit6Change);
    connect(ui_->Edit7, &QLineEdit::textChanged, this, &TForm1::Edit7Change);
}

void TForm1::FormCreate()
{
    // Numbers are read and written with "." whatever the system's locale.
    QLocale::setDefault(QLocale::c());
    state_.Parameters = DefaultParameters();
    log_.ClearLog();
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        ApplyHintTiming(*application);
    }
}

template <class Body>
void TForm1::Guarded(Body&& body)
{
    try {
        MemoLog::Batch batch(log_);
        body();
    } catch (const Error& error) {
        messages_.ShowError(QString::fromStdString(error.what()));
    } catch (const std::exception& error) {
        messages_.ShowError(QString::fromStdString(error.what()));
    } catch (...) {
        messages_.ShowError(QStringLiteral("Unknown error"));
    }
}

ParameterFieldTexts TForm1::FieldTexts() const
{
    return {ui_->Edit1->text().toStdString(), ui_->Edit2->text().toStdString(), ui_->Edit3->text().toStdString(),
            ui_->Edit4->text().toStdString(), ui_->Edit5->text().toStdString(), ui_->Edit6->text().toStdString(),
            ui_->Edit7->text().toStdString()};
}

bool TForm1::DiodeTicked() const
{
    return ui_->CheckBox1->isChecked();
}

template <class Run>
void TForm1::RunFromFields(Run run)
{
    Guarded([this, run] {
        ReadParameterFields(FieldTexts(), state_.Parameters);
        if (run(state_, DiodeTicked(), log_, charts_) == RunOutcome::OutOfRange) messages_.ShowRangeMessage();
    });
}

void TForm1::Button1Click()
{
    RunFromFields(RunFull);
}

// Each name is made right before its file is written; the first file that
// fails ends the save and leaves the walk where it was.
void TForm1::Button2Click()
{
    Guarded([this] {
        for (int i = 1; i <= 4; ++i) {
            SaveChartBitmap(Chart(i), StampedFileName(QStringLiteral("graf%1.bmp").arg(i), clock_));
        }
        SaveLogFile(log_, StampedFileName(QStringLiteral(".txt"), clock_));
        state_.StepPosition = 0;
    });
}

void TForm1::Button3Click()
{
    RunFromFields(RunOneStep);
}

void TForm1::Button4Click()
{
    Guarded([this] { ShowHelpText(state_, log_); });
}

void TForm1::CheckBox1Click()
{
    state_.Parameters.DiodeMode = DiodeTicked() ? 2 : 1;
}

// Any change of a field's text makes the next "Krokuj" start a new walk.
void TForm1::Edit1Change() { state_.StepPosition = 0; }
void TForm1::Edit2Change() { state_.StepPosition = 0; }
void TForm1::Edit3Change() { state_.StepPosition = 0; }
void TForm1::Edit4Change() { state_.StepPosition = 0; }
void TForm1::Edit5Change() { state_.StepPosition = 0; }
void TForm1::Edit6Change() { state_.StepPosition = 0; }
void TForm1::Edit7Change() { state_.StepPosition = 0; }

bool TForm1::FieldAccepts(const QLineEdit& field, FieldFilter filter, char32_t typed) const
{
    const int start = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
    return AcceptsTypedCharacter(filter, typed, field.text().toStdString(), start == 0);
}

bool TForm1::Edit1KeyPress(char32_t typed) { return FieldAccepts(*ui_->Edit1, FieldFilter::Count, typed); }
bool TForm1::Edit2KeyPress(char32_t typed) { return FieldAccepts(*ui_->Edit2, FieldFilter::SignedDecimal, typed); }
bool TForm1::Edit3KeyPress(char32_t typed) { return FieldAccepts(*ui_->Edit3, FieldFilter::SignedDecimal, typed); }
bool TForm1::Edit4KeyPress(char32_t typed) { return FieldAccepts(*ui_->Edit4, FieldFilter::UnsignedDecimal, typed); }
bool TForm1::Edit5KeyPress(char32_t typed) { return FieldAccepts(*ui_->Edit5, FieldFilter::UnsignedDecimal, typed); }
bool TForm1::Edit6KeyPress(char32_t typed) { return FieldAccepts(*ui_->Edit6, FieldFilter::SignedDecimal, typed); }
bool TForm1::Edit7KeyPress(char32_t typed) { return FieldAccepts(*ui_->Edit7, FieldFilter::SignedDecimal, typed); }

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const std::optional<char32_t> typed = TypedCharacter(*static_cast<QKeyEvent*>(event));
    if (!typed) return false;
    bool accepted = true;
    if (watched == ui_->Edit1) accepted = Edit1KeyPress(*typed);
    else if (watched == ui_->Edit2) accepted = Edit2KeyPress(*typed);
    else if (watched == ui_->Edit3) accepted = Edit3KeyPress(*typed);
    else if (watched == ui_->Edit4) accepted = Edit4KeyPress(*typed);
    else if (watched == ui_->Edit5) accepted = Edit5KeyPress(*typed);
    else if (watched == ui_->Edit6) accepted = Edit6KeyPress(*typed);
    else if (watched == ui_->Edit7) accepted = Edit7KeyPress(*typed);
    return !accepted; // a dropped character is eaten here
}

} // namespace nelin
