#include "platform/FileSystem.h"
#include "platform/Files.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using platform::File;
using platform::FileError;
using platform::FileException;
using platform::OpenMode;
using testing_support::FileExists;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

const std::string kNewLine = testing_support::NativeText("\n");

// The whole file as text mode reads it, in reads of chunk bytes.
std::string ReadText(const std::string& path, std::size_t chunk, bool text = true)
{
    File file;
    FileError error;
    EXPECT_TRUE(file.Open(path, OpenMode::ReadDenyWrite, text, error));
    std::string all;
    std::vector<char> buffer(chunk);
    std::size_t got = 0;
    while ((got = file.Read(buffer.data(), chunk)) > 0)
        all.append(buffer.data(), got);
    EXPECT_EQ(file.Read(buffer.data(), chunk), 0u); // and the end stays the end
    return all;
}

TEST(File, TextReadDropsOnlyCarriageReturnsBeforeLineFeeds)
{
    TempDir dir;
    const std::string path = dir / "text.txt";
    const std::string head(4095, 'x'); // a carriage return after it is the first block's last byte
    const std::pair<std::string, std::string> cases[] = {
        {"one\r\ntwo\rthree\n\r\r\nend", "one\ntwo\rthree\n\r\nend"},
        {"last\r", "last\r"},
        {"kept\r\n\x1A" "after\r\n", "kept\n"},
        {"a\r\x1A\r\n", "a\r"},
        {head + "\r\ntail", head + "\ntail"},
        {head + "\ry", head + "\ry"},
        {head + "\r", head + "\r"},
        {head + "\r\x1A" "zz", head + "\r"},
        {head + "\r\r\n", head + "\r\n"},
    };
    for (const auto& [bytes, text] : cases) {
        WriteFile(path, bytes);
        for (std::size_t chunk : {1, 2, 4095, 4096, 10000})
            EXPECT_EQ(ReadText(path, chunk), text) << "chunk " << chunk << " of " << bytes.size() << " bytes";
        EXPECT_EQ(ReadText(path, 4096, false), bytes); // binary reads give the bytes as they are
    }
}

TEST(File, ReadStringSplitsLines)
{
    TempDir dir;
    const std::string path = dir / "lines.txt";
    WriteFile(path, "first\r\n\nthird\rstill\n" + std::string(5000, 'L') + "\r\nlast");
    WriteFile(dir / "other.txt", "other\n");
    File file;
    FileError error;
    ASSERT_TRUE(file.Open(path, OpenMode::ReadDenyWrite, true, error));
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadString(line))
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "", "third\rstill", std::string(5000, 'L'), "last"}));

    // Opened again on another file, the object forgets what it had buffered.
    ASSERT_TRUE(file.Open(path, OpenMode::ReadDenyWrite, true, error) && file.ReadString(line));
    ASSERT_TRUE(file.Open(dir / "other.txt", OpenMode::ReadDenyWrite, true, error) && file.ReadString(line));
    EXPECT_EQ(line, "other");
    EXPECT_FALSE(file.ReadString(line));
}

TEST(File, OpenModes)
{
    TempDir dir;
    File file;
    FileError error;
    // Writing an existing file never creates one...
    const std::string missing = dir / "missing.txt";
    EXPECT_FALSE(file.Open(missing, OpenMode::WriteExclusive, true, error));
    EXPECT_EQ(error.cause, FileError::Cause::NotFound);
    EXPECT_EQ(error.path, missing);
    EXPECT_FALSE(FileExists(missing));

    // ... nor truncates it; seek to the end to append.
    const std::string existing = dir / "existing.txt";
    WriteFile(existing, "123456");
    ASSERT_TRUE(file.Open(existing, OpenMode::WriteExclusive, false, error));
    file.WriteString("AB");
    file.Close();
    EXPECT_EQ(ReadFile(existing), "AB3456");
    ASSERT_TRUE(file.Open(existing, OpenMode::WriteExclusive, true, error));
    file.SeekToEnd();
    file.WriteString("7\n");
    file.Close();
    EXPECT_EQ(ReadFile(existing), "AB34567" + kNewLine);

    // Creating truncates; text mode writes the platform's line end, over several blocks in order.
    std::string lines, expected;
    for (int i = 0; i < 1000; ++i) {
        lines += "line " + std::to_string(i) + "\n";
        expected += "line " + std::to_string(i) + kNewLine;
    }
    ASSERT_TRUE(file.Open(existing, OpenMode::CreateDenyRead, true, error));
    file.WriteString(lines);
    file.Close();
    EXPECT_EQ(ReadFile(existing), expected);

    // Creating a new file never touches one that is there.
    EXPECT_FALSE(file.Open(existing, OpenMode::CreateNew, true, error));
    EXPECT_EQ(error.cause, FileError::Cause::AlreadyExists);
    EXPECT_EQ(ReadFile(existing), expected);
    const std::string fresh = dir / "fresh.txt";
    ASSERT_TRUE(file.Open(fresh, OpenMode::CreateNew, true, error));
    file.WriteString("new\n");
    file.Close();
    EXPECT_EQ(ReadFile(fresh), "new" + kNewLine);

    // A closed file neither reads nor writes.
    char c = 0;
    EXPECT_THROW(file.Read(&c, 1), FileException);
    EXPECT_THROW(file.ReadString(lines), FileException);
    EXPECT_THROW(file.WriteString("x"), FileException);
    File never;
    EXPECT_THROW(never.Read(&c, 1), FileException);
}

} // namespace

#ifndef _WIN32
// $TMPDIR when set, else a folder that only this user may enter.
TEST(File, TheTemporaryFolderIsTheUsersOwn)
{
    {
        const testing_support::ScopedEnv tmp("TMPDIR", "/some/where");
        EXPECT_EQ(platform::TempFolder(), "/some/where/");
    }
    const testing_support::ScopedEnv tmp("TMPDIR", "");
    const std::string folder = platform::TempFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    struct stat info {};
    ASSERT_EQ(::lstat(folder.substr(0, folder.size() - 1).c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(info.st_mode & 077, 0u);
}
#endif

#ifndef _WIN32
// Two processes writing macros into one folder take turns: the second waits until the first lets go.
TEST(File, AFolderLockHoldsOtherProcessesOff)
{
    TempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const platform::FolderLock lock(dir.Path());
        (void)!::write(ready[1], "x", 1);
        ::usleep(200 * 1000);
        WriteFile(dir / "written", "");
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    {
        const platform::FolderLock lock(dir.Path());
        EXPECT_TRUE(FileExists(dir / "written")); // only once the other has written
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
}
#endif
