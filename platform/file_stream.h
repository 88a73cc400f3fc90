#pragma once
// Files that are created or replaced whole, over POSIX calls so that a
// failure can tell its cause.

#include <string>
#include <string_view>

namespace nelin {

// Writes `bytes` to the file `name` (relative names are taken from the
// current working directory), creating it or replacing it. The bytes go to
// a temporary file in the same folder first, which is renamed over the
// target only once complete; on any failure it is removed, so the target
// holds either its earlier content or the new one, never a part.
// Throws FileError:
//   "Cannot create file "<full path>". <the system's description>" when the
//   file cannot be created or replaced,
//   "Stream write error" when writing fails (a full disk, a size limit).
void WriteWholeFile(const std::string& name, std::string_view bytes);

// The current working directory joined with a relative name; the name
// itself when it is absolute or the directory cannot be told.
std::string FullPath(const std::string& name);

// The log's text in code page 1250, from UTF-8. A character the code page
// lacks becomes "?".
std::string ToCodePage1250(std::string_view utf8);

} // namespace nelin
