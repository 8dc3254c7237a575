#include "platform/FileSystem.h"
#include "translator/CQITranslator.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

// The sequence of names a counter walks through, from a first name that does not end in digits.
std::vector<std::string> Walk(std::string name, int steps)
{
    std::vector<std::string> names{name};
    bool carry = name.empty() || !(name.back() >= '0' && name.back() <= '9');
    for (int i = 0; i < steps; ++i) {
        CQITranslator::IncrementNameCounter(name, carry);
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
    CQITranslator::IncrementNameCounter(name, carry);
    EXPECT_EQ(name, "Sess09");
    CQITranslator::IncrementNameCounter(name, carry);
    EXPECT_EQ(name, "Sess10");

    name = "Run99";
    carry = true;
    CQITranslator::IncrementNameCounter(name, carry);
    EXPECT_EQ(name, "Run100");

    name = "Session009";
    carry = false;
    CQITranslator::IncrementNameCounter(name, carry);
    EXPECT_EQ(name, "Session010");
}

TEST(OutputNames, BuildOutputPathSkipsExistingFiles)
{
    TempDir dir;
    const std::string folder = dir.Path(); // no trailing separator: one is added
    const std::string sep(1, platform::kPathSeparator);
    EXPECT_EQ(CQITranslator::BuildOutputPath("C:\\QIM\\Demo.qtc", folder.c_str(), ".TDP"), folder + sep + "Demo.TDP");
    WriteFile(dir / "Demo.TDP", "");
    WriteFile(dir / "Demo1.TDP", "");
    EXPECT_EQ(CQITranslator::BuildOutputPath("/x/Demo.qtc", folder.c_str(), ".TDP"), folder + sep + "Demo2.TDP");
    WriteFile(dir / "Run99.TDP", "");
    EXPECT_EQ(CQITranslator::BuildOutputPath("Run99.qtc", (folder + sep).c_str(), ".TDP"), folder + sep + "Run100.TDP");

    // Without an extension the directory argument is the full path to start from.
    WriteFile(dir / "Start.TBM", "");
    EXPECT_EQ(CQITranslator::BuildOutputPath(nullptr, (dir / "Start.TBM").c_str(), nullptr), folder + sep + "Start1.TBM");
}

TEST(OutputNames, LongNamesDoNotGrow)
{
    std::string name(300, 'a');
    name += "99";
    bool carry = true;
    CQITranslator::IncrementNameCounter(name, carry);
    EXPECT_EQ(name.size(), 302u);
    EXPECT_EQ(name.substr(298), "a100"); // the letter in front of the nines became the counter's digit
}

} // namespace
