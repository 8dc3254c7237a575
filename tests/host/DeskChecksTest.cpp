// The checks of a desk, row by row: which fail for which fault, whether migrate must stop, and that
// each says what to put right.
#include "DeskChecks.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

// A desk whose every check passes: the example installation, folders of the test's own.
class DeskChecks : public ::testing::Test {
protected:
    void SetUp() override
    {
        facts = DeskFacts();
        // The example installation, with the resource library of this program's width (a program
        // loads only a library of its own width on Windows).
        const fs::path examples = fs::path(QTCM_EXAMPLES_DIR) / "torqa";
        fs::create_directories(dir / "torqa");
        fs::copy(examples / "Sessions", fs::path(dir / "torqa") / "Sessions",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::copy_file(examples / (sizeof(void*) == 8 ? "torqa64.dlr" : "torqa.dlr"),
                      fs::path(dir / "torqa") / "torqa.dlr", fs::copy_options::overwrite_existing);
        facts.install = (dir / "torqa") + testing_support::kSep;
        facts.language = "ENU";
        for (const char* sub : {"qim", "Sessions", "Schemes", "Macros", "tmp", "empty"})
            fs::create_directory(dir / sub);
        const char* const folders[4] = {"qim", "Sessions", "Schemes", "Macros"};
        for (unsigned i = 0; i < 4; ++i) {
            facts.directories[i] = dir / folders[i];
            facts.directorySetBy[i] = "the test";
        }
        facts.translatorKnown = true;
        facts.translator = testing_support::ExecutableDir() + testing_support::kSep + QTCM_MACRO_TRANSLATOR;
        facts.temporary = dir / "tmp";
    }

    void TearDown() override { fs::permissions(dir / "Schemes", fs::perms::owner_all); }

    // The names of the checks that fail, and the problem of each.
    std::map<std::string, std::string> Failures() const
    {
        std::map<std::string, std::string> failed;
        for (const CheckResult& result : RunDeskChecks(facts))
            if (!result.problem.empty())
                failed[result.check->name] = result.problem;
        return failed;
    }

    TempDir dir;
    DeskFacts facts;
};

TEST_F(DeskChecks, TheTableSaysWhatEachCheckNeedsAndWhatSetsIt)
{
    std::set<std::string> needed;
    for (std::size_t i = 0; i < kDeskCheckCount; ++i) {
        EXPECT_NE(std::string(kDeskChecks[i].setBy), "") << kDeskChecks[i].name;
        EXPECT_NE(std::string(kDeskChecks[i].tests), "") << kDeskChecks[i].name;
        if (kDeskChecks[i].needed)
            needed.insert(kDeskChecks[i].name);
    }
    // What every translation needs stops a run; everything else is a warning.
    EXPECT_EQ(needed, (std::set<std::string>{"installation", "session template", "TORQA! sessions"}));
}

TEST_F(DeskChecks, EachFaultFailsItsOwnChecks)
{
    const struct {
        const char* fault;
        std::function<void(DeskFacts&, const TempDir&)> make;
        std::map<std::string, std::string> failures; // check name -> part of its problem
    } cases[] = {
        {"nothing wrong", [](DeskFacts&, const TempDir&) {}, {}},
        {"no installation path",
         [](DeskFacts& f, const TempDir&) {
             f.install.clear();
             f.installWhy = "no TORQA! installation: no value \"InstallPath\"";
         },
         {{"installation", "no value \"InstallPath\""},
          {"session template", "no value \"InstallPath\""},
          {"resource library", "no value \"InstallPath\""}}},
        {"an installation folder that is empty",
         [](DeskFacts& f, const TempDir& d) { f.install = (d / "empty") + testing_support::kSep; },
         {{"session template", "Async.tdp"}, {"resource library", "torqa.dlr"}}},
        {"an installation folder that is gone",
         [](DeskFacts& f, const TempDir& d) { f.install = (d / "gone") + testing_support::kSep; },
         {{"installation", "does not exist"}, {"session template", "Async.tdp"}, {"resource library", "torqa.dlr"}}},
        {"no language", [](DeskFacts& f, const TempDir&) { f.language.clear(); },
         {{"session template", "\"Language\""}}},
        {"no session directory",
         [](DeskFacts& f, const TempDir&) {
             f.directories[1].clear();
             f.directoryWhy[1] = "directory 1 (TORQA! sessions) not found: no value \"TDP\"";
         },
         {{"TORQA! sessions", "no value \"TDP\""}}},
        {"a macro directory that is gone", [](DeskFacts& f, const TempDir& d) { f.directories[3] = d / "gone"; },
         {{"TORQA! macros", "not found"}}},
#ifndef _WIN32 // a folder's read-only mark stops no writing into it on Windows
        {"a read-only scheme directory",
         [](DeskFacts&, const TempDir& d) { fs::permissions(d / "Schemes", fs::perms::owner_read | fs::perms::owner_exec); },
         {{"TORQA! schemes", "is read-only"}}},
#endif
        {"no macro translator", [](DeskFacts& f, const TempDir&) { f.translatorKnown = false; },
         {{"macro translator", "no macro translator"}}},
        {"a macro translator that is not a library",
         [](DeskFacts& f, const TempDir& d) {
             f.translator = d / "text.so";
             testing_support::WriteFile(f.translator, "not a library");
         },
         {{"macro translator", "cannot be loaded"}}},
        {"a temporary folder that is gone", [](DeskFacts& f, const TempDir& d) { f.temporary = d / "gone"; },
         {{"temporary folder", "does not exist"}}},
    };
    for (const auto& c : cases) {
        SetUp();
        c.make(facts, dir);
        const auto failed = Failures();
        std::set<std::string> names, expected;
        for (const auto& [name, problem] : failed)
            names.insert(name);
        for (const auto& [name, part] : c.failures) {
            expected.insert(name);
            if (failed.count(name)) {
                EXPECT_NE(failed.at(name).find(part), std::string::npos) << c.fault << ": " << failed.at(name);
            }
        }
        EXPECT_EQ(names, expected) << c.fault;
        // A read-only folder is there: it is never called missing.
        if (failed.count("TORQA! schemes")) {
            EXPECT_EQ(failed.at("TORQA! schemes").find("not found"), std::string::npos);
        }
        TearDown();
    }
}

} // namespace
