#include "ui/key_filter.h"

#include "platform/number_text.h"

namespace nelin {

bool AcceptsTypedCharacter(FieldFilter filter, char32_t typed, std::string_view text, bool atStart)
{
    if (typed == Backspace || (typed >= '0' && typed <= '9')) return true;
    if (filter == FieldFilter::Count) return false;
    if (typed == static_cast<char32_t>(DecimalSeparator)) {
        return text.find(DecimalSeparator) == std::string_view::npos;
    }
    if (typed == '-' && filter == FieldFilter::SignedDecimal) {
        return text.find('-') == std::string_view::npos && atStart;
    }
    return false;
}

} // namespace nelin
