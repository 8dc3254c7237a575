#include "platform/Profile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using platform::ReadProfileValue;
using platform::WriteProfileValue;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

const std::string kNewLine = testing_support::NativeText("\n");

// The whole file after one write into a file that held content.
[[maybe_unused]] std::string AfterWrite(const TempDir& dir, const std::string& content, const std::string& section,
                       const std::string& key, const std::string& value)
{
    const std::string path = dir / "edit.ini";
    WriteFile(path, content);
    EXPECT_TRUE(WriteProfileValue(section, key, value, path));
    return ReadFile(path);
}

TEST(Profile, WriteCreatesTheFileWithSectionAndKey)
{
    TempDir dir;
    const std::string path = dir / "new.ini";
    ASSERT_TRUE(WriteProfileValue("Main", "Key", "Value", path));
    EXPECT_EQ(ReadFile(path), "[Main]" + kNewLine + "Key=Value" + kNewLine);
    ASSERT_TRUE(WriteProfileValue("main", "Other", "", path));
    EXPECT_EQ(ReadFile(path), "[Main]" + kNewLine + "Key=Value" + kNewLine + "Other=" + kNewLine);

    EXPECT_FALSE(WriteProfileValue("Main", "Key", "Value", dir / "no-such-folder/x.ini"));
}

// The byte layout of an edited file is the posix backend's own: it keeps every other byte as
// the Windows functions do, while Wine, which runs the win64 suite, rewrites the
// whole file (CRLF everywhere, blank lines and blanks around "=" dropped).
#ifndef _WIN32
TEST(Profile, NewKeysFollowTheLastKeyAndNewSectionsGoAtTheEnd)
{
    TempDir dir;
    const std::string file = "; top\n[A]\nk1=1\n  k2 = 2\n\n\n[B]\nx=1\n";
    EXPECT_EQ(AfterWrite(dir, file, "a", "k3", "3"), "; top\n[A]\nk1=1\n  k2 = 2\nk3=3\n\n\n[B]\nx=1\n");
    EXPECT_EQ(AfterWrite(dir, file, "C", "y", "9"), file + "[C]\ny=9\n");
    // A section without keys takes its first key right after its header.
    EXPECT_EQ(AfterWrite(dir, "[A]\n\n[B]\n", "A", "k", "v"), "[A]\nk=v\n\n[B]\n");
    // The last section's trailing blank lines stay after the new key.
    EXPECT_EQ(AfterWrite(dir, "[A]\nk=1\n\n\n", "A", "n", "2"), "[A]\nk=1\nn=2\n\n\n");
    // A key of the same name in another section is not this section's key.
    EXPECT_EQ(AfterWrite(dir, "[A]\nx=1\n[B]\nk=old\n", "A", "k", "new"), "[A]\nx=1\nk=new\n[B]\nk=old\n");
}

TEST(Profile, ReplacingAValueKeepsEveryOtherByte)
{
    TempDir dir;
    const std::string before = "; comment = not a key\r\n"
                               "[Colors]\r\n"
                               "  Fore =  White  \r\n"
                               "Back=Blue\r\n"
                               "\tTail\t=\tx\r\n"
                               "[Other]\r\n"
                               "Back=Red\r\n";
    std::string expected = before;
    expected.replace(expected.find("Back=Blue"), 9, "Back=Green");
    EXPECT_EQ(AfterWrite(dir, before, "COLORS", "back", "Green"), expected);

    // The first of two equal keys, and the first of two equal sections, is the one that counts.
    const std::string twice = "[A]\nk=first\nK=second\n[a]\nk=third\nonly=2\n";
    const std::string path = dir / "twice.ini";
    WriteFile(path, twice);
    EXPECT_EQ(ReadProfileValue("A", "k", "", path), "first");
    EXPECT_EQ(ReadProfileValue("A", "only", "default", path), "default");
    EXPECT_EQ(AfterWrite(dir, twice, "A", "k", "new"), "[A]\nk=new\nK=second\n[a]\nk=third\nonly=2\n");
    EXPECT_EQ(AfterWrite(dir, twice, "A", "only", "1"), "[A]\nk=first\nK=second\nonly=1\n[a]\nk=third\nonly=2\n");
}

TEST(Profile, AddedLinesEndAsTheFirstLineEnds)
{
    TempDir dir;
    EXPECT_EQ(AfterWrite(dir, "[A]\r\nk=1\r\n", "A", "n", "2"), "[A]\r\nk=1\r\nn=2\r\n");
    EXPECT_EQ(AfterWrite(dir, "[A]\r\nk=1\r\n", "B", "x", "y"), "[A]\r\nk=1\r\n[B]\r\nx=y\r\n");
    // The first line decides, not the line the new one follows.
    EXPECT_EQ(AfterWrite(dir, "[A]\nk=1\r\n", "A", "n", "2"), "[A]\nk=1\r\nn=2\n");

    // A last line without a line end gets one before anything goes after it.
    EXPECT_EQ(AfterWrite(dir, "[A]\r\nk=1", "A", "n", "2"), "[A]\r\nk=1\r\nn=2\r\n");
    EXPECT_EQ(AfterWrite(dir, "[A]\r\nk=1", "B", "x", "y"), "[A]\r\nk=1\r\n[B]\r\nx=y\r\n");
    EXPECT_EQ(AfterWrite(dir, "[A]\nk=1\n[B]\nx=1", "A", "n", "2"), "[A]\nk=1\nn=2\n[B]\nx=1");
    // A file of one line without a line end: the platform's line end.
    EXPECT_EQ(AfterWrite(dir, "[A]", "A", "k", "v"), "[A]" + kNewLine + "k=v" + kNewLine);
}

#endif

TEST(Profile, ReadTrimsUnquotesAndCuts)
{
    TempDir dir;
    const std::string path = dir / "read.ini";
    WriteFile(path, "[S]\r\n"
                    "plain =   spaced value \t\r\n"
                    "dq=\"  quoted  \"\r\n"
                    "sq='single'\r\n"
                    "mixed=\"a'\r\n"
                    "inner=\"a\"b\"\r\n"
                    "twice=\"\"x\"\"\r\n"
                    "empty=\r\n"
                    "long=abcdefgh");
    EXPECT_EQ(ReadProfileValue("s", "PLAIN", "d", path), "spaced value");
    EXPECT_EQ(ReadProfileValue("S", "dq", "d", path), "  quoted  ");
    EXPECT_EQ(ReadProfileValue("S", "sq", "d", path), "single");
    EXPECT_EQ(ReadProfileValue("S", "mixed", "d", path), "\"a'");
    EXPECT_EQ(ReadProfileValue("S", "inner", "d", path), "a\"b");
    EXPECT_EQ(ReadProfileValue("S", "twice", "d", path), "\"x\"");
    EXPECT_EQ(ReadProfileValue("S", "empty", "d", path), "");

    EXPECT_EQ(ReadProfileValue("S", "long", "d", path, 5), "abcd"); // the last line, without a line end
    EXPECT_EQ(ReadProfileValue("S", "long", "d", path, 1), "");

    // Missing file, section or key: the default, cut to the buffer as well.
    EXPECT_EQ(ReadProfileValue("S", "none", "fallback", path), "fallback");
    EXPECT_EQ(ReadProfileValue("T", "plain", "fallback", path), "fallback");
    EXPECT_EQ(ReadProfileValue("S", "plain", "fallback", dir / "absent.ini"), "fallback");
    EXPECT_EQ(ReadProfileValue("S", "none", "fallback", path, 5), "fall");
    // Trailing blanks of the default are stripped, as the Windows function does.
    EXPECT_EQ(ReadProfileValue("S", "none", " padded  ", path), " padded");
}

} // namespace
