#pragma once
// The two kinds of message the window shows. The window talks to them
// through this interface, so that tests can record the messages instead of
// opening a modal box.

#include <QString>

class QWidget;

namespace nelin {

inline constexpr char RangeMessage[] = "Hodnota parametra je mimo rozsah!";

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // The default error box: stop icon, one "OK", the application title as
    // caption, the message with a full stop added where the rule wants one.
    virtual void ShowError(const QString& message) = 0;
    // The range message: no icon, one "OK", centred on the screen.
    virtual void ShowRangeMessage() = 0;
};

class ModalMessageBoxes : public MessageBoxes {
public:
    explicit ModalMessageBoxes(QWidget* parent = nullptr);
    void ShowError(const QString& message) override;
    void ShowRangeMessage() override;

private:
    QWidget* parent_;
};

// The program file's name without directory and extension, every letter
// after the first in lower case.
QString ApplicationTitle(const QString& programPath);

} // namespace nelin
