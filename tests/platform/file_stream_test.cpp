#include "platform/errors.h"
#include "platform/file_stream.h"
#include "tests/support/file_size_limit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace nelin {
namespace {

TEST(CodePage1250, EncodesTheLogsLetters)
{
    EXPECT_EQ(ToCodePage1250("čľťóý"), "\xE8\xBE\x9D\xF3\xFD");
    EXPECT_EQ(ToCodePage1250("„Ulož“ „Vykresli”"), "\x84Ulo\x9E\x93 \x84Vykresli\x94");
    EXPECT_EQ(ToCodePage1250("0.0001  -3E-5\r\n"), "0.0001  -3E-5\r\n");
    EXPECT_EQ(ToCodePage1250(""), "");
}

TEST(CodePage1250, WritesAQuestionMarkForWhatItLacks)
{
    EXPECT_EQ(ToCodePage1250("a€b"), "a\x80" "b"); // the euro sign is in the code page
    EXPECT_EQ(ToCodePage1250("x中y😀z\u2028"), "x?y?z?");
    EXPECT_EQ(ToCodePage1250("broken \xC3"), "broken ?");
}

// A fresh working folder for each test, left again afterwards.
class Files : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nelin-files-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
        char previous[4096];
        ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
        before = previous;
        ASSERT_EQ(::chdir(folder.c_str()), 0);
    }
    void TearDown() override
    {
        ASSERT_EQ(::chdir(before.c_str()), 0);
        std::system(("rm -rf '" + folder + "'").c_str());
    }

    static std::string Read(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        if (DIR* dir = ::opendir(folder.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                const std::string name = entry->d_name;
                if (name != "." && name != "..") names.push_back(name);
            }
            ::closedir(dir);
        }
        return names;
    }

    std::string folder, before;
};

TEST_F(Files, CreatesAndReplaces)
{
    WriteWholeFile("a.txt", "first");
    EXPECT_EQ(Read("a.txt"), "first");
    WriteWholeFile("a.txt", "");
    EXPECT_EQ(Read("a.txt"), "");
    EXPECT_EQ(Entries(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(FullPath("a.txt"), folder + "/a.txt");
}

TEST_F(Files, MissingFolderCannotCreate)
{
    try {
        WriteWholeFile("missing/a.txt", "x");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + folder + "/missing/a.txt\". No such file or directory");
    }
    ::mkdir("folder", 0777);
    try {
        WriteWholeFile("folder", "x");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + folder + "/folder\". Is a directory");
    }
}

TEST_F(Files, SizeLimitIsAWriteErrorAndKeepsTheEarlierFile)
{
    WriteWholeFile("a.txt", "earlier");
    std::string message;
    try {
        testing_support::FileSizeLimit limit(1000);
        WriteWholeFile("a.txt", std::string(5000, 'x'));
    } catch (const FileError& e) {
        message = e.what();
    }
    EXPECT_EQ(message, "Stream write error");
    EXPECT_EQ(Read("a.txt"), "earlier");
    EXPECT_EQ(Entries(), std::vector<std::string>{"a.txt"}); // no temporary left behind
}

} // namespace
} // namespace nelin
