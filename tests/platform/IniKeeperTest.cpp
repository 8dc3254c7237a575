// The keeper's batches: one parse and one write per file, with the bytes that one write per key
// gives; failures that leave the old file whole and reach the notice.
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Notice.h"
#include "platform/emulated/IniDocument.h"
#include "platform/emulated/IniFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using namespace testing_support;

struct Edit {
    const char* section;
    const char* key;
    const char* value;
};

// Edits that change what a file's lines are: values with line breaks and carriage returns, keys
// and sections that open a section or hold an '=', a last line without a line end.
const std::vector<Edit> kAwkwardEdits = {
    {"A", "k", "1"},        {"a", "new", "v\r"},      {"A", "new", "x"},       {"B", "line", "one\ntwo"},
    {"B", "two", "2"},      {"B", " spaced ", "s"},   {"B", "[C]", "opens"},   {"C", "k", "in C"},
    {"D]x", "k", "v"},      {"D", "k", "d"},          {"A", "eq=k", "e"},      {"eq", "k", "\r\n"},
    {"A", "k", "\r"},       {"A", "k", "2"},          {"E", "", ""},           {"e", "", "again"},
};

class NoticeCatcher {
public:
    NoticeCatcher() { platform::SetNoticeHandler(&Collect, &m_notices); }
    ~NoticeCatcher() { platform::SetNoticeHandler(nullptr, nullptr); }
    const std::vector<std::string>& Notices() const { return m_notices; }

private:
    static void Collect(const char* message, void* context)
    {
        static_cast<std::vector<std::string>*>(context)->push_back(message);
    }
    std::vector<std::string> m_notices;
};

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(IniKeeper, ABatchLeavesTheBytesOfOneWritePerKey)
{
    const char* starts[] = {nullptr, "", "[A]\r\nk=0\r\n\r\n[B]\r\nx=1", "; top\n[A]", "[A]\nk=1\r\n\n\n[a]\nk=2\n", "x\r"};
    for (const char* start : starts) {
        SCOPED_TRACE(start ? start : "(no file)");
        TempDir dir;
        const std::string single = dir / "single.ini", batched = dir / "batched.ini";
        if (start) {
            WriteFile(single, start);
            WriteFile(batched, start);
        }
        platform::IniBeginBatch();
        for (const Edit& edit : kAwkwardEdits) {
            SCOPED_TRACE(std::string(edit.section) + "/" + edit.key);
            // One write per key: the file parsed afresh, edited and written back.
            platform::IniDocument fresh(ReadFile(single));
            fresh.Write(edit.section, edit.key, edit.value, platform::kLineEnd);
            WriteFile(single, fresh.Serialize());
            EXPECT_TRUE(platform::IniWriteValue(edit.section, edit.key, edit.value, batched));
            std::string expected = "-";
            platform::IniDocument(ReadFile(single)).Find(edit.section, edit.key, expected);
            EXPECT_EQ(platform::IniReadValue(edit.section, edit.key, "-", batched, 260), expected);
        }
        EXPECT_EQ(ReadFile(batched), start ? start : ""); // nothing written before the batch ends
        platform::IniEndBatch();
        EXPECT_EQ(ReadFile(batched), ReadFile(single));
    }
}

TEST(IniKeeper, TheDocumentReadsItsOwnBytesBack)
{
    platform::IniDocument document("[S]\nk=1\n");
    for (const Edit& edit : kAwkwardEdits)
        document.Write(edit.section, edit.key, edit.value, "\n");
    const platform::IniDocument reparsed(document.Serialize());
    for (const Edit& edit : kAwkwardEdits) {
        std::string held, parsed;
        EXPECT_EQ(document.Find(edit.section, edit.key, held), reparsed.Find(edit.section, edit.key, parsed));
        EXPECT_EQ(held, parsed);
    }
    EXPECT_EQ(reparsed.Serialize(), document.Serialize());
}

TEST(IniKeeper, ABatchSeesItsOwnWritesAndWritesEachFileOnce)
{
    TempDir dir;
    const std::string path = dir / "s.ini";
    WriteFile(path, "[S]\nold=1\n");
    platform::IniBeginBatch();
    platform::IniBeginBatch(); // nested: only the outermost end writes
    EXPECT_TRUE(platform::IniWriteValue("S", "new", "2", path));
    EXPECT_EQ(platform::IniReadValue("s", "NEW", "-", path, 260), "2");
    WriteFile(path, "[S]\nold=changed behind the batch's back\n");
    EXPECT_EQ(platform::IniReadValue("S", "old", "-", path, 260), "1"); // the batch's copy
    platform::IniEndBatch();
    EXPECT_NE(ReadFile(path).find("behind"), std::string::npos);
    platform::IniEndBatch();
    EXPECT_EQ(ReadFile(path), "[S]\nold=1\nnew=2\n");
    EXPECT_EQ(FolderNames(dir.Path()), std::vector<std::string>{"s.ini"}); // no temporary file left

    // A flush writes now and forgets the copy: the next read sees the file again.
    platform::IniBeginBatch();
    EXPECT_TRUE(platform::IniWriteValue("S", "old", "3", path));
    platform::IniFlush();
    EXPECT_EQ(ReadFile(path), "[S]\nold=3\nnew=2\n");
    WriteFile(path, "[S]\nold=4\n");
    EXPECT_EQ(platform::IniReadValue("S", "old", "-", path, 260), "4");
    platform::IniEndBatch();
    EXPECT_EQ(ReadFile(path), "[S]\nold=4\n"); // read only: not written again
}

TEST(IniKeeper, FilesThatCannotBeWrittenAreRefused)
{
    TempDir dir;
    const std::string missingFolder = dir / "no-such-folder/x.ini";
    const std::string folder = dir / "folder.ini";
    MakeDir(folder);
    for (bool batch : {false, true}) {
        if (batch)
            platform::IniBeginBatch();
        EXPECT_FALSE(platform::IniWriteValue("S", "k", "v", missingFolder));
        EXPECT_FALSE(platform::IniWriteValue("S", "k", "v", folder)); // exists, cannot be read
        if (batch)
            platform::IniEndBatch();
    }
    EXPECT_FALSE(FileExists(missingFolder));
}

#ifndef _WIN32
// A full disk, as the process sees it: writes beyond a size limit fail (EFBIG), for root as well.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(IniKeeper, AFailedWriteLeavesTheOldFileAndReachesTheNotice)
{
    TempDir dir;
    const std::string path = dir / "session.ini";
    const std::string before = "[S]\nk=old\n";
    WriteFile(path, before);
    const std::string big(4096, 'x');
    NoticeCatcher notices;
    {
        const FileSizeLimit limit(1024);
        EXPECT_FALSE(platform::IniWriteValue("S", "big", big, path)); // outside a batch: at once
        platform::IniBeginBatch();
        EXPECT_TRUE(platform::IniWriteValue("S", "k", "new", path));
        EXPECT_TRUE(platform::IniWriteValue("S", "big", big, path));
        platform::IniEndBatch(); // the write fails here
    }
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(FolderNames(dir.Path()), std::vector<std::string>{"session.ini"});
    ASSERT_EQ(notices.Notices().size(), 1u);
    EXPECT_NE(notices.Notices()[0].find("Could not write \"" + path + "\""), std::string::npos);
    EXPECT_EQ(platform::IniReadValue("S", "k", "-", path, 260), "old"); // the failed copy is gone too
}

TEST(IniKeeper, AReplacedFileKeepsItsPermissionsAndItsLink)
{
    TempDir dir;
    const std::string real = dir / "real.ini", link = dir / "link.ini";
    WriteFile(real, "[S]\n");
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    EXPECT_TRUE(platform::IniWriteValue("S", "k", "v", link));
    struct stat info {};
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadFile(real), "[S]\nk=v\n");
}

TEST(IniKeeper, ReplaceFileContentFailsWithoutTouchingTheFile)
{
    TempDir dir;
    platform::FileError error;
    EXPECT_FALSE(platform::ReplaceFileContent(dir / "no-such-folder/x", "data", error));
    EXPECT_EQ(error.cause, platform::FileError::Cause::NotFound);
    EXPECT_EQ(error.operation, "write");
    EXPECT_FALSE(platform::ReplaceFileContent(dir.Path(), "data", error)); // a folder
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path()));
}
#endif

} // namespace
