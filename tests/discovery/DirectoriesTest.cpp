// The four working directories: where they come from, which are looked at again, and how an
// override survives the next lookup.
#include "discovery/CQIUtility.h"
#include "translator/CQITranslator.h"

#include "support/TestDesk.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

struct Dirs {
    std::string type, directory, filter;
};

Dirs Get(const CQITranslator& translator, unsigned index)
{
    Dirs d{"?", "?", "?"};
    EXPECT_TRUE(translator.Directories(index, d.type, d.directory, d.filter));
    return d;
}

TEST(Directories, FoundThroughTheRegistryWithTypeNamesAndFilters)
{
    TestDesk desk;
    desk.AddRegistry("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Classes\\TORQA!.Session.1]\n@=\"Sessions of TORQA!\"\n");
    CQITranslator translator;
    EXPECT_TRUE(translator.GetDirPathsFromReg());
    EXPECT_EQ(Get(translator, 0).directory, desk.QimSessions());
    EXPECT_EQ(Get(translator, 0).type, "QIM! Session");
    EXPECT_EQ(Get(translator, 0).filter, "*.QTC");
    EXPECT_EQ(Get(translator, 1).type, "Sessions of TORQA!");
    EXPECT_EQ(Get(translator, 1).directory, desk.Sessions());
    EXPECT_EQ(Get(translator, 2).type, "TORQA! Scheme Files");
    EXPECT_EQ(Get(translator, 2).filter, "*.TKM|*.TTB|*.TDC|*.TQP");
    EXPECT_EQ(Get(translator, 2).directory, desk.Schemes()); // from the third scheme tag, TQP
    EXPECT_EQ(Get(translator, 3).type, "TORQA! Basic Macro");
    EXPECT_EQ(Get(translator, 3).filter, "*.TBM");

    std::string a = "keep", b = "keep", c = "keep";
    EXPECT_FALSE(translator.Directories(4, a, b, c));
    EXPECT_EQ(a + b + c, "keepkeepkeep");
}

TEST(Directories, OverridesOfTargetsStayWhileTheSourceIsCheckedAgain)
{
    TestDesk desk;
    CQITranslator translator;
    ASSERT_TRUE(translator.SetDirPath(1, "/does/not/exist"));
    ASSERT_TRUE(translator.SetDirPath(0, "/does/not/exist/either"));
    ASSERT_TRUE(translator.SetDirPath(3, "/macros/elsewhere"));
    EXPECT_FALSE(translator.SetDirPath(4, "/x"));
    translator.GetDirPathsFromReg();
    EXPECT_EQ(Get(translator, 1).directory, "/does/not/exist");
    EXPECT_EQ(Get(translator, 0).directory, desk.QimSessions());
    EXPECT_EQ(Get(translator, 2).directory, desk.Schemes());
    EXPECT_EQ(Get(translator, 3).directory, "/macros/elsewhere");
}

TEST(Directories, ClassWithoutVersionLeavesTheQimDirectoryEmpty)
{
    TestDesk::Options options;
    options.classVersion = "QIMVT.Session";
    TestDesk desk(options);
    CQITranslator translator;
    EXPECT_FALSE(translator.GetDirPathsFromReg());
    EXPECT_EQ(Get(translator, 0).directory, "");
    std::string className;
    EXPECT_TRUE(CQIUtility().GetLocation(CQIUtility::kVtClassName, className));
    EXPECT_EQ(className, "QIMVT.Session");
}

TEST(Locations, ValuesExpandEnvironmentReferencesAndLongClassNamesAreMissing)
{
    TestDesk desk;
    ScopedEnv home("QTCM_TEST_HOME", desk.Path("home"));
    desk.AddRegistry("REGEDIT4\n"
                     "[HKEY_CURRENT_USER\\Software\\Korvanesta\\QIM!\\5.10\\QIMVT]\n"
                     "\"MacroPath\"=\"%QTCM_TEST_HOME%\\\\macros\"\n"
                     "[HKEY_USERS\\.DEFAULT\\Software\\Korvanesta\\QIM!\\5.10\\QIMVT]\n"
                     "\"CommonDirectory\"=\"common\"\n"
                     "[HKEY_LOCAL_MACHINE\\Software\\Classes\\.qhc]\n"
                     "@=\"QIMHP.Session.5.00.with.a.name.of.forty.\"\n");
    const CQIUtility utility;
    std::string out;
    EXPECT_TRUE(utility.GetLocation(3, out));
    EXPECT_EQ(out, desk.Path("home") + "\\macros");
    EXPECT_TRUE(utility.GetLocation(8, out));
    EXPECT_EQ(out, "common");
    EXPECT_FALSE(utility.GetLocation(4, out)); // no default-user macro path
    EXPECT_FALSE(utility.GetLocation(CQIUtility::kHpClassName, out));
    EXPECT_TRUE(utility.GetLocation(CQIUtility::kTorqaInstallPath, out));
    EXPECT_EQ(out, desk.Install() + kSep);
    EXPECT_TRUE(utility.GetFileTypeName(11, out));
    EXPECT_EQ(out, "QIM! Macro");
}

} // namespace
