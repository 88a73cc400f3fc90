#include "platform/errors.h"
#include "platform/float_ops.h"

namespace nelin {
namespace {

const char* FloatFaultMessage(FloatFault fault)
{
    switch (fault) {
    case FloatFault::DivisionByZero:
        return "Floating point division by zero";
    case FloatFault::InvalidOperation:
        return "Invalid floating point operation";
    case FloatFault::Overflow:
        break;
    }
    return "Floating point overflow";
}

} // namespace

FloatingPointError::FloatingPointError(FloatFault fault)
    : Error(FloatFaultMessage(fault)), fault_(fault)
{
}

std::string ErrorBoxText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

void RaiseFloatFault(FloatFault fault)
{
    throw FloatingPointError(fault);
}

} // namespace nelin
