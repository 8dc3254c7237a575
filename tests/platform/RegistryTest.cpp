#include "platform/Registry.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "platform/posix/RegistryFiles.h"
#endif

namespace {

using platform::ExpandEnvironment;
using platform::RegistryHive;
using testing_support::ScopedEnv;

TEST(ExpandEnvironment, DefinedVariablesOnlyAndTheBufferSize)
{
    ScopedEnv root("QTCM_TEST_ROOT", "/opt/qim");
    std::string out;
    EXPECT_TRUE(ExpandEnvironment("a%qtcm_test_root%\\bin%QTCM_TEST_ROOT%c", 260, out));
    EXPECT_EQ(out, "a/opt/qim\\bin/opt/qimc");
    for (const std::string text : {"%QTCM_NOT_DEFINED_ANYWHERE%\\bin", "100% sure", "50%", "%", "%%", "a%%b"}) {
        EXPECT_TRUE(ExpandEnvironment(text, 260, out)) << text;
        EXPECT_EQ(out, text);
    }
    EXPECT_TRUE(ExpandEnvironment("%QTCM_NOT_DEFINED_ANYWHERE% and %QTCM_TEST_ROOT%", 260, out));
    EXPECT_EQ(out, "%QTCM_NOT_DEFINED_ANYWHERE% and /opt/qim");

    // The expanded text counts, with its terminating zero, not the text as written.
    EXPECT_TRUE(ExpandEnvironment("%QTCM_TEST_ROOT%", 9, out));
    EXPECT_EQ(out, "/opt/qim");
    EXPECT_FALSE(ExpandEnvironment("%QTCM_TEST_ROOT%", 8, out));
    EXPECT_FALSE(ExpandEnvironment("abc", 3, out));
}

#ifndef _WIN32

using platform::RegistryData;
using platform::RegistryStore;
using testing_support::TempDir;
using testing_support::WriteFile;

const RegistryHive kMachine = RegistryHive::LocalMachine;

// What a version-5 export holds; hex(2) data is UTF-16LE in this format.
const std::string kVersion5 = R"(Windows Registry Editor Version 5.00

; exported on the old machine
[HKEY_LOCAL_MACHINE\SOFTWARE\Vendor\App]
@="the default"
"InstallDir"="C:\\Program Files\\App\\"
"Quote"="say \"hi\""
"Count"=dword:0000002a
"Home"=hex(2):25,00,53,00,59,00,53,00,54,00,45,00,4d,00,25,00,5c,00,\
  41,00,00,00

[HKEY_LOCAL_MACHINE\SOFTWARE\Vendor\App\Sub]
"Name"="sub"

[HKEY_LOCAL_MACHINE\SOFTWARE\Vendor\AppOther]
"Keep"="kept"
"Drop"="dropped"

[HKEY_CLASSES_ROOT\.qtc]
@="QIM.Session"
)";

// The file as regedit saves it: UTF-16LE with its byte order mark and CRLF line ends.
std::string AsRegeditSavesIt(const std::string& text)
{
    std::string out = "\xFF\xFE";
    for (char c : text) {
        if (c == '\n')
            out += std::string("\r\0", 2);
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

std::string StringValue(const RegistryStore& store, const std::string& key, const std::string& name,
                        unsigned type = RegistryData::String)
{
    const RegistryData* data = store.Find(kMachine, key, name);
    if (!data)
        return "<missing>";
    return data->type == type ? data->bytes : "<type " + std::to_string(data->type) + ">";
}

void ExpectVersion5Values(const RegistryStore& store)
{
    const std::string app = "SOFTWARE\\Vendor\\App";
    EXPECT_EQ(StringValue(store, app, ""), "the default");
    EXPECT_EQ(StringValue(store, app, "InstallDir"), "C:\\Program Files\\App\\");
    EXPECT_EQ(StringValue(store, app, "Quote"), "say \"hi\"");
    EXPECT_EQ(StringValue(store, app, "Count", RegistryData::DWord), std::string("\x2a\0\0\0", 4));
    EXPECT_EQ(StringValue(store, app, "Home", RegistryData::ExpandString), "%SYSTEM%\\A");
    EXPECT_EQ(StringValue(store, app + "\\Sub", "Name"), "sub");
    // Key, value and hive names compare ignoring case; HKCR is the machine's Software\Classes.
    EXPECT_EQ(StringValue(store, "software\\VENDOR\\app\\", "installdir"), "C:\\Program Files\\App\\");
    EXPECT_EQ(StringValue(store, "Software\\Classes\\.QTC", ""), "QIM.Session");
    EXPECT_EQ(store.Find(RegistryHive::CurrentUser, app, "InstallDir"), nullptr);
    EXPECT_EQ(store.Find(kMachine, app, "Absent"), nullptr);
}

TEST(RegistryFiles, Version5InAnsiAndInUtf16ReadTheSame)
{
    RegistryStore ansi;
    ASSERT_TRUE(ansi.Import(kVersion5));
    ExpectVersion5Values(ansi);
    RegistryStore unicode;
    ASSERT_TRUE(unicode.Import(AsRegeditSavesIt(kVersion5)));
    ExpectVersion5Values(unicode);
}

TEST(RegistryFiles, Regedit4HoldsAnsiTextAndOtherFirstLinesAreRefused)
{
    RegistryStore store;
    ASSERT_TRUE(store.Import("REGEDIT4\r\n\r\n[hkey_current_user\\Software\\Vendor]\r\n"
                             "\"Path\"=hex(2):25,53,59,53,54,45,4d,25,5c,\\\r\n  41,00\r\n"));
    const RegistryData* path = store.Find(RegistryHive::CurrentUser, "SOFTWARE\\VENDOR", "path");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->type, RegistryData::ExpandString);
    EXPECT_EQ(path->bytes, "%SYSTEM%\\A");

    // A comment ending in a backslash continues nothing.
    ASSERT_TRUE(store.Import("REGEDIT4\r\n; from C:\\QIM\\\r\n[HKEY_LOCAL_MACHINE\\Y]\r\n\"v\"=\"1\"\r\n"));
    ASSERT_NE(store.Find(kMachine, "Y", "v"), nullptr);

    for (const std::string header : {"REGEDIT5", "Windows Registry Editor Version 4.00", "[HKEY_LOCAL_MACHINE\\X]"}) {
        EXPECT_FALSE(store.Import(header + "\n[HKEY_LOCAL_MACHINE\\X]\n\"a\"=\"b\"\n")) << header;
        EXPECT_EQ(store.Find(kMachine, "X", "a"), nullptr) << header;
    }
}

TEST(RegistryFiles, TheFirstProblemOfAFileIsReportedWithItsLine)
{
    struct Case {
        const char* content;
        std::size_t line;
        const char* what; // the start of the explanation
    };
    const Case cases[] = {
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"a\"=\"b\"\n", 0, ""},
        {"", 1, "not a registry export"},
        {"\n\n# exported by hand\n", 3, "not a registry export"},
        {"REGEDIT4\n\"a\"=\"b\"\n", 2, "a value before any [key]"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\nPath=C:\\\n", 3, "neither a [key]"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"a\"=dword:1\n\"b\"=word:2\n\"c\"\n", 4, "data that is not"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"c\" \"d\"\n", 3, "no '='"},
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\X\n", 2, "a key without"},
        // A continued value counts from its first line.
        {"REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"h\"=hex:01,\\\n  zz\n", 3, "data that is not"},
    };
    for (const Case& c : cases) {
        RegistryStore store;
        platform::RegistryProblem problem;
        EXPECT_EQ(store.Import(c.content, &problem), c.line == 0 || std::string(c.what) != "not a registry export")
            << c.content;
        EXPECT_EQ(problem.line, c.line) << c.content;
        EXPECT_EQ(problem.what.rfind(c.what, 0), 0u) << c.content << " -> " << problem.what;
    }
    // The good lines of a file with a bad one are still imported.
    RegistryStore store;
    platform::RegistryProblem problem;
    ASSERT_TRUE(store.Import("REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\nnonsense\n\"a\"=\"b\"\n", &problem));
    EXPECT_EQ(problem.line, 3u);
    EXPECT_EQ(StringValue(store, "X", "a"), "b");
}

TEST(RegistryFiles, DeletingKeysAndValues)
{
    RegistryStore store;
    ASSERT_TRUE(store.Import(kVersion5));
    ASSERT_TRUE(store.Import("Windows Registry Editor Version 5.00\n\n"
                             "[-HKEY_LOCAL_MACHINE\\software\\vendor\\APP]\n\n"
                             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\AppOther]\n"
                             "\"drop\"=-\n"));
    EXPECT_EQ(store.Find(kMachine, "SOFTWARE\\Vendor\\App", "InstallDir"), nullptr);
    EXPECT_EQ(store.Find(kMachine, "SOFTWARE\\Vendor\\App\\Sub", "Name"), nullptr);
    // A key whose name merely begins like the deleted one stays.
    EXPECT_EQ(StringValue(store, "SOFTWARE\\Vendor\\AppOther", "Keep"), "kept");
    EXPECT_EQ(store.Find(kMachine, "SOFTWARE\\Vendor\\AppOther", "Drop"), nullptr);
    EXPECT_EQ(StringValue(store, "Software\\Classes\\.qtc", ""), "QIM.Session");
}

TEST(RegistryFiles, FilesFromTheEnvironment)
{
    TempDir dir;
    WriteFile(dir / "user.reg", "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Vendor]\n\"Shared\"=\"from user\"\n");
    WriteFile(dir / "machine.reg", AsRegeditSavesIt("Windows Registry Editor Version 5.00\n\n"
                                                    "[HKEY_LOCAL_MACHINE\\Software\\Vendor]\n"
                                                    "\"Shared\"=\"from machine\"\n"
                                                    "\"Only\"=\"machine\"\n"
                                                    "\"Fits\"=\"" + std::string(39, 'f') + "\"\n"
                                                    "\"TooLong\"=\"" + std::string(40, 't') + "\"\n"));
    ScopedEnv registry("QTCM_REGISTRY", (dir / "absent.reg") + ":" + (dir / "user.reg") + ":" + (dir / "machine.reg"));

    std::string out;
    EXPECT_TRUE(platform::ReadRegistryValue(kMachine, "Software\\Vendor", "Shared", 260, out));
    EXPECT_EQ(out, "from user"); // the earlier file overrides the later one
    EXPECT_TRUE(platform::ReadRegistryValue(kMachine, "Software\\Vendor", "Only", 260, out));
    EXPECT_EQ(out, "machine");

    EXPECT_TRUE(platform::ReadRegistryValue(kMachine, "Software\\Vendor", "Fits", 40, out));
    EXPECT_EQ(out, std::string(39, 'f'));
    EXPECT_FALSE(platform::ReadRegistryValue(kMachine, "Software\\Vendor", "TooLong", 40, out));
    EXPECT_TRUE(platform::ReadRegistryValue(kMachine, "Software\\Vendor", "TooLong", 41, out));
    EXPECT_EQ(out, std::string(40, 't'));

    EXPECT_FALSE(platform::ReadRegistryValue(kMachine, "Software\\Vendor", "Absent", 260, out));
}

#endif

} // namespace
