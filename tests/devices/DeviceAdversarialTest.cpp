// Key and mouse statements no QIM! installation writes, through a whole translation: they must end
// in a key map, report lines or nothing, never a crash or a read past the end (the native suite runs
// under the address sanitizer).
#include "formats/KeyMap.h"
#include "platform/Keyboard.h"
#include "platform/Notice.h"
#include "platform/Profile.h"
#include "translator/CQITranslator.h"

#include "support/TestDesk.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace testing_support;

class DeviceAdversarial : public ::testing::Test {
protected:
    void SetUp() override { platform::SetNoticeHandler([](const char*, void*) {}, nullptr); }
    void TearDown() override { platform::SetNoticeHandler(nullptr, nullptr); }

    // Translates the body; the key map as qtcm inspect shows it, or "" when none was written.
    std::string TranslateAndDump(const std::string& body)
    {
        WriteFile(m_desk.Path("in.qtc"), QimSession(body));
        WriteFile(m_desk.Path("report.txt"), "");
        CQITranslator translator;
        unsigned unconverted = 0, unrecognized = 0;
        if (!translator.Initialize(m_desk.Path("in.qtc").c_str(), m_desk.Path("report.txt").c_str(), m_output))
            return "not initialised";
        translator.TranslateAndSerialize(unconverted, unrecognized);
        m_unconverted = unconverted;
        const std::string path = m_desk.Schemes() + kSep + std::filesystem::path(m_output).stem().string() + ".tkm";
        if (!FileExists(path))
            return "";
        std::string text;
        const formats::ReadResult read = formats::DumpKeyMap(ReadFile(path), text, &platform::KeyNameForScanCode);
        return read ? text : "unreadable: " + read.Describe();
    }

    TestDesk m_desk;
    std::string m_output;
    unsigned m_unconverted = 0;
};

TEST_F(DeviceAdversarial, LongKeysBrokenCodesAndManyBindings)
{
    std::string many = "Keyboard.Mapping( PCKey=\"" + std::string(2000, 'k') + "\", MapTo=\"String\", Value=\"long\",";
    many += " PCKey=\"[\", MapTo=\"String\", Value=\"open\", PCKey=\"\xC3\xA9\xFF [12D]\", MapTo=\"String\", Value=\"hi\"";
    for (int i = 0; i < 500; ++i)
        many += ", PCKey=\"F" + std::to_string(1 + i % 12) + "\", MapTo=\"String\", Value=\"" + std::to_string(i) + "\"";
    const std::string dump = TranslateAndDump(many + " )\n");
    EXPECT_NE(dump.find("\n503 bindings\n"), std::string::npos) << dump.substr(0, 300);
    EXPECT_NE(dump.find("Insert\tmodifiers 0\tscan 0x152\tvk 0x2D\taction 40000\ttext \"hi\""), std::string::npos);
    EXPECT_NE(dump.find("F8\tmodifiers 0\tscan 0x042\tvk 0x77\taction 40000\ttext \"499\"\tdescription \"\"\n503"), std::string::npos)
        << dump.substr(dump.size() - 300);
}

} // namespace
