#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/OutputNames.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

// The sequence of names a counter walks through, from a first name that does not end in digits.
std::vector<std::string> Walk(std::string name, int steps)
{
    std::vector<std::string> names{name};
    bool carry = name.empty() || !(name.back() >= '0' && name.back() <= '9');
    for (int i = 0; i < steps; ++i) {
        platform::IncrementNameCounter(name, carry);
        names.push_back(name);
    }
    return names;
}

TEST(OutputNames, CounterGrowsAndKeepsLeadingZeros)
{
    const auto names = Walk("Session", 10);
    EXPECT_EQ(names[1], "Session1");
    EXPECT_EQ(names[9], "Session9");
    EXPECT_EQ(names[10], "Session10");

    std::string name = "Sess08";
    bool carry = false;
    platform::IncrementNameCounter(name, carry);
    EXPECT_EQ(name, "Sess09");
    platform::IncrementNameCounter(name, carry);
    EXPECT_EQ(name, "Sess10");

    name = "Run99";
    carry = true;
    platform::IncrementNameCounter(name, carry);
    EXPECT_EQ(name, "Run100");

    name = "Session009";
    carry = false;
    platform::IncrementNameCounter(name, carry);
    EXPECT_EQ(name, "Session010");
}

TEST(OutputNames, BuildOutputPathSkipsExistingFiles)
{
    TempDir dir;
    const std::string folder = dir.Path(); // no trailing separator: one is added
    const std::string sep(1, platform::kPathSeparator);
    EXPECT_EQ(platform::BuildOutputPath("C:\\QIM\\Demo.qtc", folder.c_str(), ".TDP"), folder + sep + "Demo.TDP");
    WriteFile(dir / "Demo.TDP", "");
    WriteFile(dir / "Demo1.TDP", "");
    EXPECT_EQ(platform::BuildOutputPath("/x/Demo.qtc", folder.c_str(), ".TDP"), folder + sep + "Demo2.TDP");
    WriteFile(dir / "Run99.TDP", "");
    EXPECT_EQ(platform::BuildOutputPath("Run99.qtc", (folder + sep).c_str(), ".TDP"), folder + sep + "Run100.TDP");

    // Without an extension the directory argument is the full path to start from.
    WriteFile(dir / "Start.TBM", "");
    EXPECT_EQ(platform::BuildOutputPath(nullptr, (dir / "Start.TBM").c_str(), nullptr), folder + sep + "Start1.TBM");
}

TEST(OutputNames, LongNamesDoNotGrow)
{
    std::string name(300, 'a');
    name += "99";
    bool carry = true;
    platform::IncrementNameCounter(name, carry);
    EXPECT_EQ(name.size(), 302u);
    EXPECT_EQ(name.substr(298), "a100"); // the letter in front of the nines became the counter's digit
}

} // namespace

// Past the first few names the folder is listed once; the name chosen is the same as asking for
// each name in turn: gaps are filled, other extensions and other stems do not count.
TEST(OutputNames, ManyTakenNamesGiveTheFirstFreeOne)
{
    TempDir dir;
    for (int i = 0; i < 40; ++i)
        if (i != 25)
            WriteFile(dir / ("Same" + (i ? std::to_string(i) : std::string()) + ".TDP"), "");
    WriteFile(dir / "Same25.tbm", "");
    WriteFile(dir / "Sameother25.TDP", "");
    EXPECT_EQ(platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".TDP"), dir / "Same25.TDP");
    WriteFile(dir / "Same25.TDP", "");
    EXPECT_EQ(platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".TDP"), dir / "Same40.TDP");
    // The form that takes its name from the directory argument, as macros are named.
    EXPECT_EQ(platform::BuildOutputPath("", (dir / "Same.TDP").c_str(), nullptr), dir / "Same40.TDP");
    for (int i = 1; i < 12; ++i)
        WriteFile(dir / ("Run0" + std::to_string(i) + ".TDP"), "");
    WriteFile(dir / "Run01.TDP", "");
    EXPECT_EQ(platform::BuildOutputPath("Run01", dir.Path().c_str(), ".TDP"), dir / "Run10.TDP"); // Run09 is followed by Run10
}

// Within a call, searches from one name go on where the last one stopped; the answer is still the
// first free name, also after a file of the run was removed.
TEST(OutputNames, RepeatedSearchesGiveTheFirstFreeName)
{
    TempDir dir;
    auto create = [](const std::string& path) {
        platform::File file;
        platform::FileError error;
        ASSERT_TRUE(file.Open(path, platform::OpenMode::CreateNew, false, error)) << path;
        file.Close();
    };
    {
        platform::FolderListings call;
        for (int i = 0; i < 30; ++i) {
            const std::string path = platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".tbm");
            ASSERT_EQ(path, dir / ("Same" + (i ? std::to_string(i) : std::string()) + ".tbm"));
            create(path);
        }
        ASSERT_TRUE(platform::RemoveFile(dir / "Same5.tbm"));
        EXPECT_EQ(platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".tbm"), dir / "Same5.tbm");
        create(dir / "Same5.tbm");
        EXPECT_EQ(platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".tbm"), dir / "Same30.tbm");
    }
    // Another program's removal is seen by the next look outside a call (the folder's times tell it).
    std::filesystem::remove(dir / "Same12.tbm");
    EXPECT_EQ(platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".tbm"), dir / "Same12.tbm");
}

// Another process writing into the folder during a call (a second worker): the names it wrote
// since the folder was listed are never given out.
TEST(OutputNames, NamesWrittenMeanwhileByAnotherProcessStayTaken)
{
    TempDir dir;
    for (int i = 0; i < 10; ++i)
        WriteFile(dir / ("Same" + (i ? std::to_string(i) : std::string()) + ".tbm"), "");
    platform::FolderListings call;
    EXPECT_EQ(platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".tbm"), dir / "Same10.tbm");
    for (int i = 10; i <= 20; ++i)
        WriteFile(dir / ("Same" + std::to_string(i) + ".tbm"), "");
    EXPECT_EQ(platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".tbm"), dir / "Same21.tbm");
}

// A name another process wrote and then removed again is free again, also when the search that
// found it taken had only asked the file system for it.
TEST(OutputNames, ANameRemovedByAnotherProcessIsFreeAgain)
{
    TempDir dir;
    WriteFile(dir / "Same.tbm", "");
    {
        platform::FolderListings call;
        EXPECT_EQ(platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".tbm"), dir / "Same1.tbm");
        WriteFile(dir / "Same1.tbm", ""); // the other process takes it
        const std::string next = platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".tbm");
        ASSERT_EQ(next, dir / "Same2.tbm");
        platform::File file;
        platform::FileError error;
        ASSERT_TRUE(file.Open(next, platform::OpenMode::CreateNew, false, error));
        file.Close();
    }
    std::filesystem::remove(dir / "Same1.tbm"); // and lets it go
    EXPECT_EQ(platform::BuildOutputPath("x/Same.qtc", dir.Path().c_str(), ".tbm"), dir / "Same1.tbm");
}
