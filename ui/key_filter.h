#pragma once
// The key filters of the seven entry fields: which typed characters a field
// lets through, judged from the character, the field's text and its caret.

#include <string_view>

namespace nelin {

enum class FieldFilter {
    Count,          // Edit1: digits
    SignedDecimal,  // Edit2, Edit3, Edit6, Edit7: digits, "-", "."
    UnsignedDecimal // Edit4, Edit5: digits, "."
};

inline constexpr char32_t Backspace = 8;

// True when `typed` goes into a field holding `text` (the whole text, a
// selection included) whose caret, or selection, begins at the start when
// `atStart`. A "." or "-" is dropped when the text holds one already, and a
// "-" unless at the start; backspace and digits always go in; every other
// character, control characters included, is dropped.
bool AcceptsTypedCharacter(FieldFilter filter, char32_t typed, std::string_view text, bool atStart);

} // namespace nelin
