// File names as Windows finds them, on every platform: in any case, with either separator, through
// a mapped drive; and the free-name search counting a name in another case as taken. The same rows
// run under Wine, whose file system has the Windows rules of its own.
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/OutputNames.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using testing_support::MakeDir;
using testing_support::ReadFile;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

// The names in a folder, sorted.
std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A desk copied from a Windows disk: folders and files in the case the disk had.
struct CopiedDesk : ::testing::Test {
    TempDir dir;
    void SetUp() override
    {
        MakeDir(dir / "Macros");
        MakeDir(dir / "Macros" + testing_support::kSep + "Sub");
        WriteFile(dir / "Macros" + testing_support::kSep + "LOGON.QTM", "upper");
        WriteFile(dir / "Macros" + testing_support::kSep + "Sub" + testing_support::kSep + "deep.Qtm", "deep");
        WriteFile(dir / "Caf\xE9.qtm", "accented");
        WriteFile(dir / "\xC6ON\x8A.txt", "ligature");
    }
    std::string Read(const std::string& relative)
    {
        std::string content;
        return platform::ReadWholeFile(dir.Path() + testing_support::kSep + relative, content) ? content : "(none)";
    }
};

TEST_F(CopiedDesk, NamesAreFoundInAnyCaseWithEitherSeparator)
{
    const struct {
        const char* asked;
        const char* content;
    } rows[] = {
        {"Macros\\LOGON.QTM", "upper"},          // as on the disk, Windows' separator
        {"macros/logon.qtm", "upper"},           // every component in another case
        {"MACROS\\Logon.qtm", "upper"},
        {"macros\\SUB\\DEEP.QTM", "deep"},       // at depth
        {"Macros/Sub/../LOGON.qtm", "upper"},    // through a parent step
        {"Macros/LOGON.QTM.bak", "(none)"},      // no entry at all
        {"Nowhere/LOGON.QTM", "(none)"},         // no folder
    };
    for (const auto& row : rows)
        EXPECT_EQ(Read(row.asked), row.content) << row.asked;
}

TEST_F(CopiedDesk, WritesMeetTheExistingEntry)
{
    platform::FileError error;
    // A binary file replaced under another case stays one file, under the disk's name.
    {
        platform::File file;
        ASSERT_TRUE(file.Open(dir.Path() + "/macros/logon.qtm", platform::OpenMode::BinaryCreate, false, error));
        file.WriteString("replaced");
    }
    EXPECT_EQ(Names(dir / "Macros"), (std::vector<std::string>{"LOGON.QTM", "Sub"}));
    EXPECT_EQ(ReadFile(dir / "Macros" + testing_support::kSep + "LOGON.QTM"), "replaced");
    // A new file goes into the folder that is there, under the name asked for.
    {
        platform::File file;
        ASSERT_TRUE(file.Open(dir.Path() + "/MACROS/New.tbm", platform::OpenMode::CreateNew, false, error));
    }
    EXPECT_EQ(Names(dir / "Macros"), (std::vector<std::string>{"LOGON.QTM", "New.tbm", "Sub"}));
    // An exclusive create meets the file in another case: it exists.
    platform::File again;
    EXPECT_FALSE(again.Open(dir.Path() + "/Macros/NEW.TBM", platform::OpenMode::CreateNew, false, error));
    EXPECT_EQ(error.cause, platform::FileError::Cause::AlreadyExists);
}

TEST_F(CopiedDesk, FreeNamesCountOtherCasesAsTaken)
{
    WriteFile(dir / "demo.tdp", "");
    WriteFile(dir / "DEMO1.TDP", "");
    const std::string folder = dir.Path() + testing_support::kSep;
    EXPECT_EQ(platform::BuildOutputPath("Demo.qtc", folder.c_str(), ".TDP"), folder + "Demo2.TDP");
    // Past the first few names the folder is listed once: the listing folds case the same way.
    for (int n = 2; n < 12; ++n)
        WriteFile(dir / ("dEMO" + std::to_string(n) + ".tdp"), "");
    EXPECT_EQ(platform::BuildOutputPath("Demo.qtc", folder.c_str(), ".TDP"), folder + "Demo12.TDP");
}

TEST_F(CopiedDesk, ACallKeepsItsListingsTrue)
{
    const platform::FolderListings call;
    EXPECT_EQ(Read("macros/logon.qtm"), "upper"); // the folder is listed and kept
    platform::FileError error;
    {
        platform::File file;
        ASSERT_TRUE(file.Open(dir.Path() + "/Macros/Added.txt", platform::OpenMode::CreateNew, false, error));
        file.WriteString("added");
    }
    EXPECT_EQ(Read("MACROS/ADDED.TXT"), "added"); // what the call added is in the kept listing
    ASSERT_TRUE(platform::RemoveFile(dir.Path() + "/macros/added.txt"));
    EXPECT_EQ(Read("Macros/added.txt"), "(none)");
}

#ifndef _WIN32
// What only the posix layer has to do: drive letters mapped to folders, names stored in UTF-8 as a
// mounted Windows disk shows them, and a choice between names that differ only in case. Windows-1252
// letters too: under Wine the test's own file names meet the code page of Wine's locale.
TEST_F(CopiedDesk, DrivesUtf8NamesAndTwinsOnPosix)
{
    const ScopedEnv drives("QTCM_DRIVES", "Q:=/nowhere;D:=" + dir.Path() + "/");
    const ScopedEnv root("QTCM_WINDOWS_ROOT", dir.Path() + "/Macros");
    WriteFile(dir / "Jos\xC3\xA9.txt", "utf-8");
    WriteFile(dir / "twin.txt", "lower");
    WriteFile(dir / "TWIN.txt", "upper");
    const struct {
        const char* asked;
        const char* content;
    } rows[] = {
        {"d:\\macros\\logon.qtm", "upper"}, // a mapped drive, in any case
        {"D:MACROS/LOGON.QTM", "upper"},    // a drive without a separator: its root
        {"C:\\Sub\\DEEP.qtm", "deep"},      // the copied system drive is C:
        {"c:\\SUB\\..\\sub\\Deep.QTM", "deep"}, // through a folder named in another case
        {"Q:\\LOGON.QTM", "(none)"},        // a drive mapped to nothing there
        {"D:\\JOS\xC9.TXT", "utf-8"},       // the Windows-1252 form of a UTF-8 name
        {"D:CAF\xC9.QTM", "accented"},      // Windows-1252 letters fold too
        {"D:\xE6on\x9A.TXT", "ligature"},   // and those of the 0x80 row
        {"D:\\Twin.TXT", "upper"},          // neither twin is exact: the first in byte order
        {"D:\\twin.txt", "lower"},          // the exact name always wins
    };
    for (const auto& row : rows) {
        std::string content;
        EXPECT_EQ(platform::ReadWholeFile(row.asked, content) ? content : "(none)", row.content) << row.asked;
    }
}
#endif

} // namespace
