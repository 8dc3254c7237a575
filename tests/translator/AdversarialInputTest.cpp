// Inputs no QIM! installation writes, which must still end in report lines or a clean failure.
// (Random bytes are the translation fuzzer's: tests/fuzz.)
#include "platform/Notice.h"
#include "platform/Profile.h"
#include "translator/CQITranslator.h"

#include "support/TestDesk.h"

#include <gtest/gtest.h>


namespace {

using namespace testing_support;

struct Outcome {
    bool ran = false;
    std::string output, report;
    unsigned unconverted = 0, unrecognized = 0;
};

Outcome Translate(TestDesk& desk, const std::string& content)
{
    WriteFile(desk.Path("in.qtc"), content);
    WriteFile(desk.Path("report.txt"), "");
    CQITranslator translator;
    Outcome outcome;
    if (translator.Initialize(desk.Path("in.qtc").c_str(), desk.Path("report.txt").c_str(), outcome.output)) {
        translator.TranslateAndSerialize(outcome.unconverted, outcome.unrecognized);
        outcome.ran = true;
    }
    outcome.report = ReadFile(desk.Path("report.txt"));
    return outcome;
}

class AdversarialInput : public ::testing::Test {
protected:
    void SetUp() override { platform::SetNoticeHandler([](const char*, void*) {}, nullptr); }
    void TearDown() override { platform::SetNoticeHandler(nullptr, nullptr); }
    TestDesk desk;
};

TEST_F(AdversarialInput, HugeTokenManyPropertiesAndAKeyWithoutValue)
{
    const std::string big(5000, 'x');
    std::string many = "Display( ";
    for (int i = 0; i < 500; ++i)
        many += (i ? ", " : "") + std::string("K") + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    const Outcome outcome = Translate(desk, QimSession(
        // A 5,000-byte value is carried over whole.
        "Terminal( Answerback=\"" + big + "\" )\n" +
        // 500 properties no group knows: 500 report lines.
        many + " )\n" +
        // A key with "=" and no value converts to nothing: one unconverted line.
        "Display( Columns=\"80\", Lines= )\n"));
    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(platform::ReadProfileValue("Terminal", "GenAnswerback", "", outcome.output, 6000), big);
    EXPECT_EQ(platform::ReadProfileValue("Terminal", "DispColumns", "", outcome.output), "80");
    EXPECT_EQ(outcome.unrecognized, 500u);
    EXPECT_EQ(outcome.unconverted, 1u);
    EXPECT_NE(outcome.report.find(NativeText("Unconverted property:\tLines=\n")), std::string::npos);
}

TEST_F(AdversarialInput, TruncatedAndBinaryHeaders)
{
    EXPECT_FALSE(Translate(desk, "").ran);
    EXPECT_FALSE(Translate(desk, std::string("// Version QIM! \0\0\0\0\0", 21)).ran == false);
    EXPECT_FALSE(Translate(desk, "\x1A// Version QIM! 5.10\r\n").ran); // Ctrl-Z ends a text file
}

} // namespace
