#pragma once
// The output log as the runs see it: an ordered list of lines that can be
// cleared and appended to. The window's text box implements it; tests keep
// the lines in a vector.

#include <string_view>

namespace nelin {

class OutputLog {
public:
    virtual ~OutputLog() = default;
    virtual void ClearLog() = 0;
    // Adds the text (UTF-8, possibly empty) as a new last line.
    virtual void AppendLogLine(std::string_view line) = 0;
};

} // namespace nelin
