// The library as the migration tool sees it: loaded at run time, driven through its exports only.
#include "support/LoadedLibrary.h"
#include "support/TestDesk.h"

#include <gtest/gtest.h>

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

using namespace testing_support;

using Exports = LoadedLibrary;

TEST_F(Exports, FixedTextsAndTheTranslatorRecord)
{
    char buffer[260];
    getName(buffer);
    EXPECT_STREQ(buffer, "QTC_Migrate");
    getDescription(buffer);
    EXPECT_STREQ(buffer, "QIM! Session Converter");
    getLinkName(buffer);
    EXPECT_STREQ(buffer, "QTCm");
    EXPECT_EQ(isComponentInstalled(0x40), 1);
    EXPECT_EQ(isComponentInstalled(0xC0), 1);
    EXPECT_EQ(isComponentInstalled(0x3F), 0);

    const TranslatorRecord* const* records = gimmieTranslators();
    ASSERT_NE(records[0], nullptr);
    EXPECT_EQ(records[1], nullptr);
    EXPECT_STREQ(records[0]->name, "QIM! for VAX/UNIX");
    EXPECT_EQ(records[0]->isComponentInstalled, isComponentInstalled);
    EXPECT_EQ(records[0]->translateThisFile, translateThisFile);
    EXPECT_EQ(records[0]->reserved, nullptr);
}

TEST_F(Exports, DirectoriesNeedATranslatorAndAValidIndex)
{
    TestDesk desk;
    EXPECT_FALSE(setDirPath(1, "/x")); // no translator yet
    char type[260] = "x", dir[260] = "x", filter[260] = "x";
    EXPECT_FALSE(directories(4, type, dir, filter));
    EXPECT_STREQ(type, "");
    EXPECT_STREQ(dir, "");
    EXPECT_STREQ(filter, "");
    EXPECT_TRUE(initialize());
    EXPECT_TRUE(setDirPath(2, "/elsewhere"));
    EXPECT_TRUE(directories(2, type, dir, filter));
    EXPECT_STREQ(dir, "/elsewhere");
    EXPECT_EQ(isYourProductInstalled(), 1);

    // Fixed-length copy: a short size gets no terminating zero, a long one is zero-filled.
    char config[300];
    std::memset(config, '#', sizeof config);
    EXPECT_EQ(findYourConfigFiles(config, 4), 1);
    EXPECT_EQ(std::string(config, 5), desk.QimSessions().substr(0, 4) + "#");
    std::memset(config, '#', sizeof config);
    findYourConfigFiles(config, 299);
    EXPECT_EQ(std::string(config), desk.QimSessions());
    EXPECT_EQ(config[298], '\0');
}

TEST_F(Exports, RecognitionLooksForBothMarks)
{
    TestDesk desk;
    const auto check = [&](const std::string& content) {
        WriteFile(desk.Path("f.qtc"), content);
        int answer = -1;
        const int result = isThisYourFile(desk.Path("f.qtc").c_str(), &answer);
        EXPECT_EQ(result, answer);
        EXPECT_EQ(isValidFile(desk.Path("f.qtc").c_str()), result == 1);
        return result == 1;
    };
    EXPECT_TRUE(check("// Version QIM! 5.10\r\nCaptureSetup( FileName=\"QIMVT.TXT\", Append=True )\r\n"));
    EXPECT_TRUE(check("x // Version QIM!5.00\n  CaptureSetup( FileName=\"QIMVT.TXT\""));
    EXPECT_FALSE(check("// Version QIM! 5.10\r\nCaptureSetup( FileName=\"QIMVT.txt\" )\r\n"));
    EXPECT_FALSE(check("// Version QIM! 5.10 CaptureSetup( FileName=\"QIMVT.TXT\" )\r\n"));
    EXPECT_FALSE(check(""));
    // Only the first lines' first kilobytes are read: a long line is no header line.
    const std::string mark = "// Version QIM! 5.10", capture = "CaptureSetup( FileName=\"QIMVT.TXT\"";
    EXPECT_TRUE(check(std::string(4000, ' ') + mark + "\n" + std::string(4000, ' ') + capture));
    EXPECT_FALSE(check(std::string(5000, ' ') + mark + "\n" + capture));
    EXPECT_FALSE(check(mark + "\n" + std::string(5000, ' ') + capture));
    EXPECT_FALSE(check(mark + std::string(10 << 20, 'x'))); // ten megabytes without a line feed
    EXPECT_TRUE(notices.empty());
    EXPECT_FALSE(isValidFile(desk.Path("missing.qtc").c_str()));
    EXPECT_EQ(notices.size(), 1u);
}

TEST_F(Exports, TranslatingOneSourceThreeTimes)
{
    TestDesk desk;
    const std::string source = desk.Path("Demo.qtc");
    WriteFile(source, QimSession("Display( Columns=\"132\", Rows=\"24\" )\n"));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");
    ASSERT_TRUE(initialize());

    std::string expected;
    unsigned unconverted = 5, unrecognized = 0; // a host that does not reset them gets sums
    for (const char* name : {"Demo.TDP", "Demo1.TDP", "Demo2.TDP"}) {
        char output[260] = "";
        EXPECT_TRUE(doTranslate(source.c_str(), report.c_str(), output, &unconverted, &unrecognized));
        const std::string path = desk.Sessions() + kSep + name;
        EXPECT_STREQ(output, path.c_str());
        EXPECT_EQ(ReadFile(path), NativeText("[Session]\nTitle=\n[Terminal]\nTermModel=420\nDispColumns=132\n"));
        const std::string counted = std::to_string(unrecognized);
        expected += NativeText("QIM! session file converted: " + source + "\nSession file created: " + path + "\n\n" +
                    "Unreconnized property:\tRows\n" +
                    "\nNumber of unconverted properties: 5\nNumber of unrecognized properties: " + counted + "\n\n" +
                    "-------------------------------------------------------\n");
    }
    EXPECT_EQ(ReadFile(report), expected);
    EXPECT_TRUE(notices.empty()) << (notices.empty() ? "" : notices[0]);

    char output[260] = "";
    EXPECT_EQ(translateThisFile(source.c_str(), output), 1); // no report: the run goes on without one
    EXPECT_EQ(std::string(output), desk.Sessions() + kSep + "Demo3.TDP");
    EXPECT_EQ(ReadFile(report), expected);
}

TEST_F(Exports, AFailedRunHandsBackTheCallersTextAndCounters)
{
    TestDesk desk;
    WriteFile(desk.Path("report.txt"), "");
    ASSERT_TRUE(initialize());
    char output[260] = "mine";
    unsigned unconverted = 7, unrecognized = 8;
    EXPECT_TRUE(doTranslate(desk.Path("nothing.qtc").c_str(), desk.Path("report.txt").c_str(), output, &unconverted,
                            &unrecognized));
    EXPECT_STREQ(output, "mine");
    EXPECT_EQ(unconverted, 7u);
    EXPECT_EQ(unrecognized, 8u);
    EXPECT_EQ(notices.size(), 1u);
    EXPECT_EQ(translateThisFile(desk.Path("nothing.qtc").c_str(), output), 1);
    EXPECT_EQ(notices.size(), 2u);
}

#ifdef _WIN32
// A 32-bit program on 64-bit Windows reads HKEY_LOCAL_MACHINE\Software through the 32-bit view
// (Wow6432Node), an x64 program through the 64-bit one: TORQA! keys that an installer of the other
// width wrote are no installation for this library. (The QIM! keys, the current user's, are shared
// by both views; so are the file classes on Windows, which Wine keeps apart for a 64-bit program:
// the QIM! session directory is left out here.)
TEST_F(Exports, AnInstallationInTheOtherRegistryViewIsNotInstalled)
{
    TestDesk::Options options;
    options.otherRegistryView = true;
    TestDesk desk(options);
    const REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Korvanesta\\TORQA!", 0, KEY_READ | otherView, &key),
              ERROR_SUCCESS)
        << "the desk is not in the other view";
    ::RegCloseKey(key);

    EXPECT_FALSE(initialize());
    EXPECT_EQ(isYourProductInstalled(), 0);
    char type[260], dir[260], filter[260];
    for (unsigned index = 1; index < 4; ++index) {
        directories(index, type, dir, filter);
        EXPECT_STREQ(dir, "") << "directory " << index;
    }
}
#else
// The session file is written once, when the export returns; a write that fails there (here a
// file size limit stands in for a full disk) leaves the file as it was and says so.
TEST_F(Exports, ASessionFileThatCannotBeWrittenStaysWholeAndIsReported)
{
    TestDesk desk;
    const std::string source = desk.Path("Big.qtc");
    WriteFile(source, QimSession("Terminal( Answerback=\"" + std::string(8000, 'a') + "\" )\n"));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");
    ASSERT_TRUE(initialize());
    char output[260] = "";
    unsigned unconverted = 0, unrecognized = 0;
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = 4096;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    doTranslate(source.c_str(), report.c_str(), output, &unconverted, &unrecognized);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);

    const std::string path = desk.Sessions() + kSep + "Big.TDP";
    EXPECT_STREQ(output, path.c_str());
    EXPECT_EQ(ReadFile(path), NativeText("[Session]\nTitle=\n[Terminal]\nTermModel=420\n")); // the template's copy
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("Could not write \"" + path + "\""), std::string::npos) << notices[0];
}
#endif

} // namespace
