#include "platform/file_stream.h"

#include "platform/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nelin {
namespace {

// The system's description of an error number, without trailing blanks and
// full stops.
std::string Description(int error)
{
    std::string text = std::strerror(error);
    while (!text.empty() && (text.back() == ' ' || text.back() == '.')) text.pop_back();
    return text;
}

[[noreturn]] void FailCreate(const std::string& name, int error)
{
    throw FileError("Cannot create file \"" + FullPath(name) + "\". " + Description(error));
}

[[noreturn]] void FailWrite()
{
    throw FileError("Stream write error");
}

// Removes the temporary file unless the write completed.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile()
    {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int& fd() { return fd_; }
    char* path() { return path_.data(); }
    void Keep() { kept_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

// The mode a new file gets: the target's when it exists, else 0666 less
// the process's umask.
mode_t NewFileMode(const struct stat* existing)
{
    if (existing) return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string FullPath(const std::string& name)
{
    if (!name.empty() && name.front() == '/') return name;
    std::string directory(4096, '\0');
    if (!::getcwd(directory.data(), directory.size())) return name;
    directory.resize(std::strlen(directory.c_str()));
    if (directory.empty() || directory.back() != '/') directory += '/';
    return directory + name;
}

void WriteWholeFile(const std::string& name, std::string_view bytes)
{
    struct stat existing {};
    const bool exists = ::stat(name.c_str(), &existing) == 0;
    // A target that may not be written, or is no file, cannot be created.
    if (exists && S_ISDIR(existing.st_mode)) FailCreate(name, EISDIR);
    if (exists && ::access(name.c_str(), W_OK) != 0) FailCreate(name, errno);

    TemporaryFile temporary(name + ".XXXXXX");
    temporary.fd() = ::mkstemp(temporary.path());
    if (temporary.fd() < 0) {
        temporary.Keep(); // nothing was created
        FailCreate(name, errno);
    }
    if (::fchmod(temporary.fd(), NewFileMode(exists ? &existing : nullptr)) != 0) FailCreate(name, errno);

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(temporary.fd(), data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) FailWrite();
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    const int fd = temporary.fd();
    temporary.fd() = -1;
    if (::close(fd) != 0) FailWrite();
    if (::rename(temporary.path(), name.c_str()) != 0) FailCreate(name, errno);
    temporary.Keep();
}

std::string ToCodePage1250(std::string_view utf8)
{
    iconv_t converter = ::iconv_open("WINDOWS-1250", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw Error("Code page 1250 is not available");
    std::string out(utf8.size(), '\0'); // never longer than its UTF-8
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (::iconv(converter, &in, &inLeft, &next, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno != EILSEQ && errno != EINVAL) break;
        // A character the code page lacks, or a broken sequence: one "?"
        // for the whole UTF-8 sequence.
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(*in);
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        if (length > inLeft) length = inLeft;
        in += length;
        inLeft -= length;
        *next++ = '?';
        --outLeft;
    }
    ::iconv_close(converter);
    out.resize(static_cast<std::size_t>(next - out.data()));
    return out;
}

} // namespace nelin
