// A session with a button pad and a toolbar, translated through the library's exports, compared
// with files written by hand: the session file, the report, and the QuickPad and toolbar bytes
// (image pixels included, the strips being ours), given as annotated hexadecimal text.
#include "bars/QuickPadFile.h"
#include "bars/ToolbarFile.h"
#include "support/LoadedLibrary.h"
#include "support/TestDesk.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

using namespace testing_support;

using GoldenBars = LoadedLibrary;

std::string GoldenFile(const std::string& name)
{
    return std::string(QTCM_TESTDATA_DIR) + kSep + "golden" + kSep + "bars" + kSep + name;
}

// Annotated hexadecimal: pairs of hex digits are bytes, "text" in double quotes is its bytes, "#"
// starts a comment to the end of the line; everything else is layout. Anything unexpected fails.
std::string BytesFromHex(const std::string& text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '#') {
            i = text.find('\n', i);
            if (i == std::string::npos)
                break;
        } else if (c == '"') {
            const std::size_t end = text.find('"', i + 1);
            EXPECT_NE(end, std::string::npos) << "unterminated text at " << i;
            if (end == std::string::npos)
                break;
            bytes += text.substr(i + 1, end - i - 1);
            i = end + 1;
        } else if (std::isxdigit(static_cast<unsigned char>(c))) {
            const bool pair = i + 1 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1]));
            EXPECT_TRUE(pair) << "a lone hex digit at " << i;
            if (!pair)
                break;
            bytes.push_back(static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16)));
            i += 2;
        } else {
            EXPECT_TRUE(std::isspace(static_cast<unsigned char>(c)) || c == '|') << "unexpected '" << c << "' at " << i;
            ++i;
        }
    }
    return bytes;
}

// Equal bytes, or both files shown field by field.
template <typename Dump>
void ExpectSameFile(const std::string& actual, const std::string& expected, Dump dump)
{
    if (actual == expected)
        return;
    std::string actualText, expectedText, error;
    if (!dump(actual, actualText, error))
        actualText = "(unreadable: " + error + ")";
    if (!dump(expected, expectedText, error))
        expectedText = "(unreadable: " + error + ")";
    EXPECT_EQ(actualText, expectedText);
    std::size_t first = 0;
    while (first < actual.size() && first < expected.size() && actual[first] == expected[first])
        ++first;
    ADD_FAILURE() << "the files differ from byte " << first << " (sizes " << actual.size() << " and "
                  << expected.size() << ")";
}

TEST_F(GoldenBars, PadAndToolbarMatchTheHandWrittenFiles)
{
    TestDesk desk;
    const std::string source = desk.QimSessions() + kSep + "Bars.qtc";
    WriteFile(source, ReadFile(GoldenFile("Bars.qtc")));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");

    ASSERT_TRUE(initialize());
    char output[260] = "";
    unsigned unconverted = 0, unrecognized = 0;
    EXPECT_TRUE(doTranslate(source.c_str(), report.c_str(), output, &unconverted, &unrecognized));
    const std::string created = desk.Sessions() + kSep + "Bars.TDP";
    ASSERT_EQ(std::string(output), created);
    EXPECT_TRUE(notices.empty()) << (notices.empty() ? "" : notices[0]);

    EXPECT_EQ(WithoutCarriageReturns(ReadFile(created)), WithoutCarriageReturns(ReadFile(GoldenFile("Bars.TDP.expected"))));
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(report)),
              Substituted(WithoutCarriageReturns(ReadFile(GoldenFile("Bars.report.expected"))),
                          {{"@SOURCE@", source}, {"@OUTPUT@", created}}));
    EXPECT_EQ(unconverted, 2u);
    EXPECT_EQ(unrecognized, 0u);

    ExpectSameFile(ReadFile(desk.Schemes() + kSep + "Bars.ttb"), BytesFromHex(ReadFile(GoldenFile("Bars.ttb.hex"))),
                   bars::DumpToolbar);
    const std::string pad = ReadFile(desk.Schemes() + kSep + "Bars.tqp");
#ifdef _WIN32
    // The pad's positions come from the platform's font metrics; the expected file holds those of
    // the fixed metrics (96 pixels per inch, 8 x 9 pixels per "W"). Here only its buttons are checked.
    bars::QuickPad read;
    std::string error;
    ASSERT_TRUE(bars::ReadQuickPad(pad, read, error)) << error;
    ASSERT_EQ(read.buttons.size(), 4u);
    EXPECT_EQ(read.buttons[3].caption, "F1");
#else
    ExpectSameFile(pad, BytesFromHex(ReadFile(GoldenFile("Bars.tqp.hex"))), bars::DumpQuickPad);
#endif
}

} // namespace
