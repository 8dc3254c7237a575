// Our INI keeper against the real profile functions: the same reads and writes on two copies of a
// file must leave the same bytes and read the same values. Runs where the real functions exist.
#ifdef _WIN32
#include "platform/emulated/IniFile.h"
#include "platform/Profile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

struct Step {
    const char* section;
    const char* key;
    const char* value; // nullptr: read the key instead
};

// Replays the steps on both copies; after each the files must be equal.
void Replay(const char* initial, std::initializer_list<Step> steps, bool compareLineEnds = true)
{
    TempDir dir;
    const std::string ours = dir / "ours.ini", real = dir / "real.ini";
    if (initial) {
        WriteFile(ours, initial);
        WriteFile(real, initial);
    }
    auto normalized = [&](std::string text) {
        if (!compareLineEnds)
            text = NativeText([&] {
                std::string lf;
                for (char c : text)
                    if (c != '\r')
                        lf.push_back(c);
                return lf;
            }());
        return text;
    };
    int index = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE("step " + std::to_string(index++));
        if (step.value) {
            EXPECT_EQ(platform::IniWriteValue(step.section, step.key, step.value, ours),
                      platform::WriteProfileValue(step.section, step.key, step.value, real));
            EXPECT_EQ(normalized(ReadFile(ours)), normalized(ReadFile(real)));
        } else {
            EXPECT_EQ(platform::IniReadValue(step.section, step.key, "dflt", ours, 260),
                      platform::ReadProfileValue(step.section, step.key, "dflt", real, 260));
            EXPECT_EQ(platform::IniReadValue(step.section, step.key, "dflt", ours, 4),
                      platform::ReadProfileValue(step.section, step.key, "dflt", real, 4));
        }
    }
}

TEST(ProfileDifferential, NewFileSectionsKeysAndMixedCase)
{
    Replay(nullptr, {{"Session", "Title", "Demo"},
                     {"Terminal", "Name", "VT420"},
                     {"session", "Rows", "24"},
                     {"SESSION", "TITLE", "Renamed"},
                     {"Terminal", "Empty", ""},
                     {"Session", "title", nullptr},
                     {"terminal", "empty", nullptr},
                     {"Nowhere", "x", nullptr}});
}

TEST(ProfileDifferential, EditsOfAnExistingCrlfFile)
{
    Replay("[Session]\r\nTitle=Old\r\nRows=24\r\n[Terminal]\r\nName=VT420\r\nQuoted=\"a b\"\r\n",
           {{"Session", "Cols", "80"},
            {"Terminal", "Quoted", nullptr},
            {"terminal", "NAME", "VT340"},
            {"Colors", "Back", "Blue"},
            {"Session", "Rows", ""},
            {"Session", "Rows", nullptr},
            {"Session", "Title", nullptr}});
}

// An LF file: Wine rewrites every line end as CRLF, where Windows and our keeper leave each line
// as it was; the lines themselves must agree.
TEST(ProfileDifferential, EditsOfAnLfFile)
{
    Replay("[Session]\nTitle=Old\n[Terminal]\nName=VT420\n",
           {{"Session", "Cols", "80"}, {"Terminal", "Name", "VT340"}, {"Extra", "Key", "v"}, {"Session", "Cols", nullptr}},
           false);
}

} // namespace
#endif
