// The registry of a copied Windows system drive: hives of our own making (tests/support/hives),
// read through the posix registry as the library reads them.
#ifndef _WIN32

#include "platform/Registry.h"
#include "platform/posix/RegistryHives.h"

#include "support/TestSupport.h"
#include "support/hives/HiveWriter.h"
#include "support/hives/SampleDisk.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using platform::RegistryHive;
using testing_support::HiveKey;
using testing_support::HiveValue;
using testing_support::kRegExpandSz;
using testing_support::kRegSz;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

const RegistryHive kMachine = RegistryHive::LocalMachine;
const RegistryHive kUser = RegistryHive::CurrentUser;

// The sample disk of tests/support/hives for the user ann, named by the environment as the host
// names it, with no export file in front unless a test adds one.
class CopiedDisk : public testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(testing_support::WriteSampleDisk(m_root, "ann", "D:\\QIM", error)) << error;
    }
    std::string Software() const { return m_root + "/Windows/System32/config/SOFTWARE"; }
    std::string NtUser() const { return m_root + "/Users/ann/NTUSER.DAT"; }
    std::string Default() const { return m_root + "/Windows/System32/config/DEFAULT"; }

    TempDir m_dir;
    const std::string m_root = m_dir / "disk";
    ScopedEnv m_rootVariable{"QTCM_WINDOWS_ROOT", m_root};
    ScopedEnv m_userVariable{"QTCM_WINDOWS_USER", "ann"};
    ScopedEnv m_registry{"QTCM_REGISTRY", ""};
};

std::string Read(RegistryHive hive, const std::string& key, const std::string& name)
{
    std::string out;
    return platform::ReadRegistryValue(hive, key, name, 260, out) ? out : "<missing>";
}

std::string Expanded(RegistryHive hive, const std::string& key, const std::string& name)
{
    std::string out;
    return platform::ReadExpandedValue(hive, key, name, 260, out) ? out : "<missing>";
}

std::string Expand(const std::string& text)
{
    std::string out;
    return platform::ExpandEnvironment(text, 260, out) ? out : "<too long>";
}

TEST_F(CopiedDisk, ValuesComeFromTheHivesThatHoldTheirKeys)
{
    struct Row {
        RegistryHive hive;
        const char* key;
        const char* name;
        const char* value;
    };
    const Row rows[] = {
        // HKLM\Software is the SOFTWARE hive; a key under WOW6432Node is what a 32-bit program sees.
        {kMachine, "Software\\Korvanesta\\TORQA!", "InstallPath", "C:\\Program Files (x86)\\TORQA!\\"},
        {kMachine, "SOFTWARE\\korvanesta\\torqa!\\", "LANGUAGE", "ENU"},
        // A key the disk keeps only outside WOW6432Node is read there; the default value is "".
        {kMachine, "Software\\Classes\\.qtc", "", "QIMVT.Session.5.10"},
        {kMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", "C:\\Program Files (x86)"},
        // An expandable string is read as stored.
        {kMachine, "Software\\Korvanesta\\TORQA!\\Directories", "TDP", "%USERPROFILE%\\Documents\\TORQA!\\Sessions"},
        // HKCU is the user's NTUSER.DAT, HKU\.DEFAULT the DEFAULT hive.
        {kUser, "Software\\Korvanesta\\QIM!\\5.10\\QIMVT", "Directory", "%QIMHOME%\\Sessions"},
        {RegistryHive::Users, ".DEFAULT\\Software\\Korvanesta\\QIM!\\5.10\\QIMVT", "CommonDirectory",
         "%SystemDrive%\\QIM\\Common"},
        // What the hives do not hold.
        {kMachine, "System\\CurrentControlSet", "", "<missing>"},
        {kMachine, "Software\\Korvanesta\\TORQA!", "Absent", "<missing>"},
        {kUser, "Software\\Korvanesta\\QIM!\\5.00\\QIMVT", "Directory", "<missing>"},
        {RegistryHive::Users, "S-1-5-18\\Software", "", "<missing>"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Read(row.hive, row.key, row.name), row.value) << row.key << " " << row.name;
}

TEST_F(CopiedDisk, TypesNamesAndTheBufferAsForExportFiles)
{
    std::string error;
    ASSERT_TRUE(testing_support::WriteHive(
        NtUser(),
        {{"Software\\Caf\xE9",
          {{"Na\xEFve", kRegSz, "d\xE9j\xE0"}, HiveValue::Dword("Count", 0x2A), {"Fits", kRegSz, std::string(39, 'f')}}}},
        error))
        << error;
    EXPECT_EQ(Read(kUser, "software\\CAF\xE9", "na\xEFve"), "d\xE9j\xE0");
    std::string out;
    ASSERT_TRUE(platform::ReadRegistryValue(kUser, "Software\\Caf\xE9", "Count", 4, out));
    EXPECT_EQ(out, "*"); // read as a zero-terminated string, as the callers read it
    EXPECT_TRUE(platform::ReadRegistryValue(kUser, "Software\\Caf\xE9", "Fits", 40, out));
    EXPECT_FALSE(platform::ReadRegistryValue(kUser, "Software\\Caf\xE9", "Fits", 39, out));
}

TEST_F(CopiedDisk, ExportFilesAreReadInFrontOfTheHives)
{
    WriteFile(m_dir / "torqa.reg", "REGEDIT4\n\n"
                                   "[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!]\n"
                                   "\"InstallPath\"=\"/opt/torqa/\"\n"
                                   "\"Language\"=-\n\n"
                                   "[-HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Directories]\n\n"
                                   "[HKEY_CURRENT_USER\\Environment]\n"
                                   "\"QIMHOME\"=\"/srv/qim\"\n");
    ScopedEnv registry("QTCM_REGISTRY", m_dir / "torqa.reg");
    EXPECT_EQ(Read(kMachine, "Software\\Korvanesta\\TORQA!", "InstallPath"), "/opt/torqa/");
    // What a file deletes is gone from the hives as well, as after importing the file on the desk.
    EXPECT_EQ(Read(kMachine, "Software\\Korvanesta\\TORQA!", "Language"), "<missing>");
    EXPECT_EQ(Read(kMachine, "Software\\Korvanesta\\TORQA!\\Directories", "TDP"), "<missing>");
    // What the file leaves alone still comes from the hives, and the user's variables see the file.
    EXPECT_EQ(Read(kMachine, "Software\\Classes\\.qtc", ""), "QIMVT.Session.5.10");
    EXPECT_EQ(Expanded(kUser, "Software\\Korvanesta\\QIM!\\5.10\\QIMVT", "Directory"), "/srv/qim\\Sessions");
}

TEST_F(CopiedDisk, ExpandableStringsSeeTheUsersProfileNotThisProcess)
{
    ScopedEnv home("QTCM_TEST_ROOT", "/opt/qim");
    struct Row {
        const char* text;
        const char* expanded;
    };
    const Row rows[] = {
        {"%USERPROFILE%", "C:\\Users\\ann"},
        {"%USERNAME%|%HOMEDRIVE%|%HOMEPATH%", "ann|C:|\\Users\\ann"},
        {"%APPDATA%", "C:\\Users\\ann\\AppData\\Roaming"},
        {"%LOCALAPPDATA%", "C:\\Users\\ann\\AppData\\Local"},
        {"%SystemRoot%|%WINDIR%|%systemdrive%", "C:\\WINDOWS|C:\\WINDOWS|C:"},
        // A 32-bit program's ProgramFiles on 64-bit Windows.
        {"%ProgramFiles%|%ProgramFiles(x86)%", "C:\\Program Files (x86)|C:\\Program Files (x86)"},
        {"%ProgramData%|%ALLUSERSPROFILE%|%PUBLIC%", "C:\\ProgramData|C:\\ProgramData|C:\\Users\\Public"},
        // The user's own environment, its expandable values expanded.
        {"%QIMHOME%|%TEMP%", "D:\\QIM|C:\\Users\\ann\\AppData\\Local\\Temp"},
        // This process's variables are not the desk's.
        {"%QTCM_TEST_ROOT%|%HOME%|%PATH%", "%QTCM_TEST_ROOT%|%HOME%|%PATH%"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Expand(row.text), row.expanded) << row.text;

    EXPECT_EQ(Expanded(kUser, "Software\\Korvanesta\\QIM!\\5.10\\QIMVT", "MacroPath"),
              "C:\\Users\\ann\\AppData\\Roaming\\QIM\\Macros");
    EXPECT_EQ(Expanded(RegistryHive::Users, ".DEFAULT\\Software\\Korvanesta\\QIM!\\5.10\\QIMVT", "CommonDirectory"),
              "C:\\QIM\\Common");

    // Without a copied disk, expansion sees this process's environment again.
    ScopedEnv noDisk("QTCM_WINDOWS_ROOT", "");
    EXPECT_EQ(Expand("%QTCM_TEST_ROOT%|%APPDATA%"), "/opt/qim|%APPDATA%");
}

TEST_F(CopiedDisk, TheProfileIsWhereTheProfileListPutsItOrWhereWindowsWould)
{
    // A profile moved to another folder of the system drive.
    std::filesystem::create_directories(m_root + "/Profiles");
    std::filesystem::rename(m_root + "/Users/ann", m_root + "/Profiles/ann");
    std::string error;
    const std::string sid = "Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-21-1004336348-1177238915-682003330-1001";
    ASSERT_TRUE(testing_support::WriteHive(
        Software(), {{sid, {{"ProfileImagePath", kRegExpandSz, "%SystemDrive%\\Profiles\\ann"}}}}, error))
        << error;
    EXPECT_EQ(Expand("%USERPROFILE%|%APPDATA%"), "C:\\Profiles\\ann|C:\\Profiles\\ann\\AppData\\Roaming");
    EXPECT_EQ(Read(kUser, "Software\\Korvanesta\\QIM!\\5.10\\QIMVT", "Directory"), "%QIMHOME%\\Sessions");

    // A disk from before Vista, with no profile list: Documents and Settings, and its folder names.
    ASSERT_TRUE(testing_support::WriteHive(Software(), {}, error)) << error;
    std::filesystem::create_directories(m_root + "/Documents and Settings");
    std::filesystem::rename(m_root + "/Profiles/ann", m_root + "/Documents and Settings/ann");
    ASSERT_TRUE(testing_support::WriteHive(m_root + "/Documents and Settings/ann/NTUSER.DAT", {{"Environment", {}}}, error))
        << error;
    EXPECT_EQ(Expand("%USERPROFILE%|%APPDATA%|%TEMP%"),
              "C:\\Documents and Settings\\ann|C:\\Documents and Settings\\ann\\Application Data|"
              "C:\\Documents and Settings\\ann\\Local Settings\\Temp");
    EXPECT_EQ(Expand("%SystemRoot%|%ProgramFiles%"), "C:\\Windows|C:\\Program Files");
}

TEST_F(CopiedDisk, AHiveIsReadAgainWhenItChanges)
{
    EXPECT_EQ(Read(kUser, "Environment", "QIMHOME"), "D:\\QIM");
    std::string error;
    ASSERT_TRUE(testing_support::WriteHive(NtUser(), {{"Environment", {{"QIMHOME", kRegSz, "E:\\QIM"}}}}, error)) << error;
    EXPECT_EQ(Read(kUser, "Environment", "QIMHOME"), "E:\\QIM");
    EXPECT_EQ(Expand("%QIMHOME%"), "E:\\QIM");
}

// A hive that cannot serve: the host stops at it naming the file; the library reads nothing from it.
TEST_F(CopiedDisk, BadHivesAreNamedWithWhatIsWrong)
{
    const std::string good = testing_support::ReadFile(Software());
    struct Row {
        const char* what;
        std::string content;
        const char* problem;
    };
    const Row rows[] = {
        {"empty", "", "an empty file, not a registry hive"},
        {"text", "Windows Registry Editor Version 5.00\r\n", "not a registry hive: it does not begin with \"regf\""},
        {"header cut", good.substr(0, 1000), "cut short: 1000 bytes, less than the 4096-byte header of a hive"},
        {"bins cut", good.substr(0, 4096 + 4096),
         "cut short: its header announces 12288 bytes of hive bins, the file holds 4096 after its header"},
    };
    for (const Row& row : rows) {
        WriteFile(Software(), row.content);
        EXPECT_EQ(platform::CheckWindowsDisk(m_root, "ann"), Software() + ": " + row.problem) << row.what;
        EXPECT_EQ(Read(kMachine, "Software\\Classes\\.qtc", ""), "<missing>") << row.what;
        EXPECT_EQ(Read(kUser, "Environment", "QIMHOME"), "D:\\QIM") << row.what;
        // Without its SOFTWARE hive the drive is still the system drive C: with its Windows folder.
        EXPECT_EQ(Expand("%APPDATA%|%SystemRoot%"), "C:\\Users\\ann\\AppData\\Roaming|C:\\Windows") << row.what;
    }
    WriteFile(Software(), good);
    EXPECT_EQ(platform::CheckWindowsDisk(m_root, "ann"), "");

    EXPECT_EQ(platform::CheckWindowsDisk(m_root, "bob"),
              m_root + "/Users/bob/NTUSER.DAT: no such file: the disk has no profile of the user bob (profiles there: ann)");
    EXPECT_EQ(platform::CheckWindowsDisk(m_dir.Path(), "ann"),
              m_dir / "Windows/System32/config/SOFTWARE" + ": no such file: " + m_dir.Path() +
                  " is not a copied Windows system drive (the folder holding Windows and Users)");
    // DEFAULT may be left out of the copy, but not be damaged.
    std::filesystem::remove(Default());
    EXPECT_EQ(platform::CheckWindowsDisk(m_root, "ann"), "");
    WriteFile(Default(), "regf");
    EXPECT_EQ(platform::CheckWindowsDisk(m_root, "ann"),
              Default() + ": cut short: 4 bytes, less than the 4096-byte header of a hive");
    std::filesystem::remove(Default());
    std::filesystem::create_directory(Default());
    EXPECT_EQ(platform::CheckWindowsDisk(m_root, "ann"), Default() + ": a folder, not a hive file");
}

// The checks made before hivex reads a file, on hives damaged in each part of the layout.
TEST(HiveDamage, EachPartOfTheLayoutIsChecked)
{
    const std::string empty = testing_support::EmptyHiveBytes();
    ASSERT_EQ(platform::HiveDamage(empty), "");
    auto put32 = [](std::string bytes, std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return bytes;
    };
    // The header's checksum covers its first 508 bytes; a test that changes them sets it again.
    auto summed = [&](std::string bytes) {
        std::uint32_t sum = 0;
        for (std::size_t at = 0; at < 0x1FC; at += 4)
            sum ^= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
                   static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
                   static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
                   static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
        return put32(bytes, 0x1FC, sum);
    };
    const std::size_t bin = 0x1000, root = bin + 0x20, security = root + 0x58, freeCell = security + 0x30;
    struct Row {
        const char* what;
        std::string bytes;
        const char* problem; // the start of it
    };
    const Row rows[] = {
        {"a checksum off by one", put32(empty, 0x1FC, 1), "a damaged hive: the checksum of its header"},
        {"version 2", summed(put32(empty, 0x14, 2)), "a hive of format version 2.3"},
        {"bins not whole pages", summed(put32(empty, 0x28, 0x1800)), "a damaged hive: its header gives 6144 bytes"},
        {"no bins", summed(put32(empty, 0x28, 0)), "a damaged hive: its header gives 0 bytes"},
        {"bin signature", put32(empty, bin, 0), "a damaged hive: no hive bin at byte 0x1000"},
        {"bin offset", put32(empty, bin + 4, 0x1000), "a damaged hive: the hive bin at byte 0x1000 gives a wrong"},
        {"bin size past the bins", put32(empty, bin + 8, 0x2000), "a damaged hive: the hive bin at byte 0x1000 gives"},
        {"cell of size 4", put32(empty, root, static_cast<std::uint32_t>(-4)), "a damaged hive: the cell at byte 0x1020 has"},
        {"unaligned cell", put32(empty, freeCell, 0xF56), "a damaged hive: the cell at byte 0x10A8 has"},
        {"cell past its bin", put32(empty, freeCell, 0x1000), "a damaged hive: the cell at byte 0x10A8 runs past"},
        {"root a free cell", put32(empty, root, 0x58), "a damaged hive: its header names no key record"},
        {"root elsewhere", summed(put32(empty, 0x24, 0x78)), "a damaged hive: its header names no key record"},
        // The last cell, used, looking like a list of more subkeys than the file holds.
        {"list past the end", put32(put32(empty, freeCell, static_cast<std::uint32_t>(-0xF58)), freeCell + 4, 0x0FFF666C),
         "cut short: the subkey list at byte 0x10A8 runs past the end of the file"},
        {"index past the end", put32(put32(empty, freeCell, static_cast<std::uint32_t>(-0xF58)), freeCell + 4, 0x0FFF6972),
         "cut short: the subkey index at byte 0x10A8"},
        {"big data list past the end",
         put32(put32(put32(empty, freeCell, static_cast<std::uint32_t>(-0xF58)), freeCell + 4, 0x00406264), freeCell + 8,
               0xFF0),
         "cut short: the block list of the big data record at byte 0x10A8"},
    };
    for (const Row& row : rows) {
        const std::string problem = platform::HiveDamage(row.bytes);
        EXPECT_EQ(problem.rfind(row.problem, 0), 0u) << row.what << ": " << problem;
    }
}

// A hive cut anywhere is refused with a message, never read past its end.
TEST(HiveDamage, AHiveCutAnywhereIsRefused)
{
    TempDir dir;
    std::string error;
    ASSERT_TRUE(testing_support::WriteSampleDisk(dir / "disk", "ann", "D:\\QIM", error)) << error;
    const std::string hive = testing_support::ReadFile(dir / "disk/Windows/System32/config/SOFTWARE");
    ASSERT_EQ(platform::HiveDamage(hive), "");
    for (std::size_t length = 0; length < hive.size(); length += 509)
        EXPECT_NE(platform::HiveDamage(hive.substr(0, length)), "") << length;
    // Bytes after the announced bins are no part of the hive.
    EXPECT_EQ(platform::HiveDamage(hive + std::string(100, 'x')), "");
}

} // namespace

#endif
