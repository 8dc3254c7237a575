// The list of desks of migrate --desks: what each row becomes, and the faults that stop the run
// before any desk starts.
#include "Fleet.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;
using testing_support::WriteFile;

TEST(ReadDesks, MakesEachRowADeskWithPathsFromTheListsFolder)
{
    TempDir dir;
    const std::string list = dir / "desks.csv";
    const std::string elsewhere = dir / "elsewhere.reg"; // a whole path stays as it is
    WriteFile(list, "Name, Registry ,output,sources,user,windows_root\r\n"
                    "ann,desk.reg; " + elsewhere + " ,out/ann,\"qim/a,b.qtc;" + elsewhere + "\",,\r\n"
                    "bob,bob.reg,,,bob,disks/bob\r\n");
    std::vector<DeskRow> desks;
    std::string error;
    ASSERT_TRUE(ReadDesks(list, desks, error)) << error;
    ASSERT_EQ(desks.size(), 2u);
    const fs::path base = fs::path(dir.Path());
    auto under = [&](const char* path) { return (base / path).lexically_normal().string(); };
    EXPECT_EQ(desks[0].name, "ann");
    EXPECT_EQ(desks[0].registries,
              (std::vector<std::string>{under("desk.reg"), fs::path(elsewhere).lexically_normal().string()}));
    EXPECT_EQ(desks[0].output, under("out/ann"));
    EXPECT_EQ(desks[0].sources,
              (std::vector<std::string>{under("qim/a,b.qtc"), fs::path(elsewhere).lexically_normal().string()}));
    EXPECT_TRUE(desks[0].directories[1].empty()) << "a column not in the list is empty";
    EXPECT_EQ(desks[1].user, "bob");
    EXPECT_EQ(desks[1].windowsRoot, under("disks/bob"));
    EXPECT_TRUE(desks[1].sources.empty()) << "no sources: the desk's QIM! session directory";
    EXPECT_EQ(desks[1].line, 3u);
}

TEST(ReadDesks, NamesTheLineOfEachFault)
{
    const struct {
        const char* list;
        const char* error;
    } cases[] = {
        {"name,registry,colour\nann,a.reg,blue\n", "line 1: unknown column \"colour\""},
        {"registry\na.reg\n", "line 1: no column \"name\""},
        {"name,name\nann,bob\n", "line 1: the column name is there twice"},
        {"name,registry\n", "no desks"},
        {"name,registry\n,a.reg\n", "line 2: a desk needs a name"},
        {"name,registry\nann/x,a.reg\n", "line 2: the desk name \"ann/x\" cannot name a file"},
        {"name,registry\nann,a.reg\nANN,b.reg\n", "line 3: a second desk named ANN"},
        {"name,registry\nann,a.reg,extra\n", "line 2: more fields than the header has columns"},
        {"name,registry\n\"ann,a.reg\n", "line 2: a quoted field is not closed"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string list = dir / "desks.csv";
        WriteFile(list, c.list);
        std::vector<DeskRow> desks;
        std::string error;
        EXPECT_FALSE(ReadDesks(list, desks, error)) << c.list;
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_EQ(error.rfind(list, 0), 0u) << "names the list: " << error;
    }
    std::vector<DeskRow> desks;
    std::string error;
    EXPECT_FALSE(ReadDesks(dir / "absent.csv", desks, error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos) << error;
}

} // namespace
