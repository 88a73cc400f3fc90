#pragma once
// Message boxes that are recorded instead of shown.

#include "ui/messages.h"

#include <QStringList>

namespace nelin::testing_support {

struct RecordedMessages : MessageBoxes {
    QStringList errors;
    int rangeMessages = 0;
    void ShowError(const QString& message) override { errors << message; }
    void ShowRangeMessage() override { ++rangeMessages; }
};

} // namespace nelin::testing_support
