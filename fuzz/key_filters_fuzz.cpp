// Random key sequences typed into the seven entry fields of the window:
// a field's text only ever changes as its filter allows. A character the
// filter drops leaves the text and the walk as they were, Ctrl with a letter
// changes nothing, the text never holds a character outside the field's set
// nor a second "." or "-", and every change of the text makes the next
// "Krokuj" start a new walk.
#include "check.h"
#include "tests/support/recorded_messages.h"
#include "ui/key_filter.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <cstdint>
#include <memory>

namespace {

struct Window {
    Window() : form(messages) { form.show(); }
    nelin::testing_support::RecordedMessages messages;
    nelin::TForm1 form;
};

// One application and window for the whole run, never destroyed: tearing
// Qt down from the exit handlers that libFuzzer ends in is not safe.
Window& TheWindow()
{
    static int argc = 1;
    static char name[] = "key_filters_fuzz";
    static char* argv[] = {name, nullptr};
    static auto* application = new QApplication(argc, argv);
    static auto* window = new Window;
    (void)application;
    return *window;
}

// What each field lets in, beside backspace.
constexpr std::array<const char*, 7> Sets{"0123456789", "0123456789-.", "0123456789-.", "0123456789.",
                                          "0123456789.", "0123456789-.", "0123456789-."};
constexpr std::array<nelin::FieldFilter, 7> Filters{
    nelin::FieldFilter::Count,           nelin::FieldFilter::SignedDecimal,   nelin::FieldFilter::SignedDecimal,
    nelin::FieldFilter::UnsignedDecimal, nelin::FieldFilter::UnsignedDecimal, nelin::FieldFilter::SignedDecimal,
    nelin::FieldFilter::SignedDecimal};
constexpr std::array<const char*, 7> Defaults{"500", "0.0001", "0.12", "1000", "0.01", "0.0001", "0.1"};

// The keys a sequence is made of: characters of every kind, and keys that
// move the caret, select, delete, or come with Ctrl.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    char text;
};
constexpr Key Keys[] = {
    {Qt::Key_0, {}, '0'}, {Qt::Key_1, {}, '1'}, {Qt::Key_5, {}, '5'}, {Qt::Key_9, {}, '9'},
    {Qt::Key_Minus, {}, '-'}, {Qt::Key_Period, {}, '.'}, {Qt::Key_Comma, {}, ','}, {Qt::Key_E, {}, 'e'},
    {Qt::Key_Space, {}, ' '}, {Qt::Key_Plus, {}, '+'}, {Qt::Key_Backspace, {}, '\b'}, {Qt::Key_Delete, {}, 0},
    {Qt::Key_Left, {}, 0}, {Qt::Key_Right, {}, 0}, {Qt::Key_Home, {}, 0}, {Qt::Key_End, {}, 0},
    {Qt::Key_Home, Qt::ShiftModifier, 0}, {Qt::Key_Right, Qt::ShiftModifier, 0}, {Qt::Key_A, Qt::ControlModifier, 0},
    {Qt::Key_C, Qt::ControlModifier, 0}, {Qt::Key_X, Qt::ControlModifier, 0}, {Qt::Key_V, Qt::ControlModifier, 0},
    {Qt::Key_Z, Qt::ControlModifier, 0}, {Qt::Key_Return, {}, 0}, {Qt::Key_Escape, {}, 0},
};

int Count(const QString& text, QChar c)
{
    return static_cast<int>(text.count(c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Window& window = TheWindow();
    std::array<QLineEdit*, 7> fields{};
    for (int i = 0; i < 7; ++i) {
        fields[static_cast<std::size_t>(i)] = window.form.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i + 1));
        fields[static_cast<std::size_t>(i)]->setText(QString::fromLatin1(Defaults[static_cast<std::size_t>(i)]));
    }
    for (std::size_t at = 0; at < size; ++at) {
        const std::size_t index = data[at] % 7;
        const Key& key = Keys[(data[at] / 7) % std::size(Keys)];
        QLineEdit* field = fields[index];
        const QString before = field->text();
        // What the filter decides for a typed character, from the field as
        // it stands before the key.
        const bool typesCharacter = key.text != 0 && key.modifiers == Qt::NoModifier;
        const bool atStart = (field->hasSelectedText() ? field->selectionStart() : field->cursorPosition()) == 0;
        const bool dropped = typesCharacter && !nelin::AcceptsTypedCharacter(Filters[index], static_cast<char32_t>(key.text),
                                                                          before.toStdString(), atStart);
        window.form.State().StepPosition = 5;
        QTest::keyClick(field, key.key, key.modifiers);
        const QString after = field->text();

        if (dropped) FUZZ_CHECK(after == before && window.form.State().StepPosition == 5);
        if (key.modifiers == Qt::ControlModifier) {
            FUZZ_CHECK(after == before); // Ctrl and a letter types a control character: dropped
        }
        for (QChar c : after) FUZZ_CHECK(QString::fromLatin1(Sets[index]).contains(c));
        FUZZ_CHECK(Count(after, QLatin1Char('.')) <= 1 && Count(after, QLatin1Char('-')) <= 1);
        if (after != before) FUZZ_CHECK(window.form.State().StepPosition == 0);
    }
    return 0;
}
