#pragma once
// Hint timing of the whole application: a hint shows 250 ms after the
// pointer comes onto a control and stays for 4000 ms.

class QApplication;

namespace nelin {

inline constexpr int HintPauseMs = 250;
inline constexpr int HintDisplayMs = 4000;

// Installs the timing once; later calls change nothing.
void ApplyHintTiming(QApplication& application);

} // namespace nelin
