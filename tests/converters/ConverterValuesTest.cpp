// The value operations every converter shares.
#include "converters/CQIConverter.h"
#include "converters/NameTables.h"
#include "platform/Files.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct Plain : CQIConverter {
    bool Convert(const PropertyList&, const char*, const char*) override { return true; }
};

std::string Translate(int kind, const std::string& source, int expectedResult = 1)
{
    Plain converter;
    std::string out = "untouched";
    EXPECT_EQ(converter.TranslateValue(kind, source, out, nullptr), expectedResult) << kind << " " << source;
    return out;
}

TEST(ConverterValues, BaseKinds)
{
    EXPECT_EQ(Translate(4, "true"), "TRUE");
    EXPECT_EQ(Translate(4, "FALSE"), "FALSE");
    EXPECT_EQ(Translate(4, "\"True\"", 0), "untouched");
    EXPECT_EQ(Translate(24, "\"a\\\"b\""), "a\"b");
    EXPECT_EQ(Translate(32, "TRUE"), "Yes");
    EXPECT_EQ(Translate(32, "Yes"), "No");
    EXPECT_EQ(Translate(33, "\"current\""), "Auto");
    EXPECT_EQ(Translate(33, "\"12\""), "12");
    EXPECT_EQ(Translate(33, "7", 0), "untouched");
    for (int kind : {0, 2, 16, 28, 99, -1})
        EXPECT_EQ(Translate(kind, "True", 0), "untouched");
}

TEST(ConverterValues, Unquote)
{
    Plain c;
    std::string out = "keep";
    EXPECT_FALSE(c.Unquote("7", out));
    EXPECT_FALSE(c.Unquote("", out));
    EXPECT_EQ(out, "keep");
    EXPECT_TRUE(c.Unquote("\"a\\\\b\\\"c\\^d\\x\"", out));
    EXPECT_EQ(out, "a\\b\"c^d\\x");
    EXPECT_TRUE(c.Unquote("\"\"", out));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(c.Unquote("\"ab\"+\"cd\"", out));
    EXPECT_EQ(out, "ab\"+\"cd");
    EXPECT_TRUE(c.Unquote("bare", out));
    EXPECT_EQ(out, "bare");
    EXPECT_TRUE(c.Unquote("\"x\\\"", out)); // a backslash before the closing quote stays
    EXPECT_EQ(out, "x\\");
}

TEST(ConverterValues, DecodeString)
{
    Plain c;
    std::string out;
    const auto decode = [&](const std::string& source) {
        EXPECT_TRUE(c.DecodeString(source, out));
        return out;
    };
    EXPECT_EQ(decode("\"ab\"+\"cd\""), "abcd");
    EXPECT_EQ(decode("\"x^Ay\""), std::string("x\x01y"));
    EXPECT_EQ(decode("\"^13^10\""), "\r\n");
    EXPECT_EQ(decode("\"^9\""), "\t");
    EXPECT_EQ(decode("\"^27[\""), "\x1b[");
    EXPECT_EQ(decode("\"^0271\""), "\x1b" "1"); // at most three digits
    EXPECT_EQ(decode("\"^300\""), std::string(1, static_cast<char>(300 % 256)));
    EXPECT_EQ(decode("\"^[\""), "\x1b");
    EXPECT_EQ(decode("\"a\\\\b\\^c\\d\""), "a\\b^c\\d");
    EXPECT_EQ(decode("\"\""), "");
    EXPECT_EQ(decode("x"), "");
    EXPECT_EQ(decode("\"a\"+b\""), "a");   // the closing quote is the next one after the "+"
    EXPECT_EQ(decode("\"a\"+bc"), "a+b");  // no quote after the "+": reading goes on after the quote
    EXPECT_EQ(decode("\"^\""), "^");       // a caret with nothing after it inside the quotes
}

TEST(ConverterValues, GetIntValue)
{
    Plain c;
    EXPECT_EQ(c.GetIntValue("24"), 24);
    EXPECT_EQ(c.GetIntValue("\"24\""), 24);
    EXPECT_EQ(c.GetIntValue("7"), 0); // one character: Unquote refuses it
    EXPECT_EQ(c.GetIntValue("\"12ab\""), 12);
    EXPECT_EQ(c.GetIntValue("\" -5\""), -5);
    EXPECT_EQ(c.GetIntValue("\"x\""), 0);

    // Past the range of int, the value the C library's atoi gives: strtol's answer (saturated at
    // the limits of long) cut to 32 bits, computed here without undefined behaviour.
    for (const char* text : {"2147483647", "2147483648", "-2147483648", "-2147483649", "4294967297", "+12",
                             "9223372036854775807", "9223372036854775808", "-9223372036854775808",
                             "-9223372036854775809", "99999999999999999999999", "-99999999999999999999999",
                             "\t\n\v\f\r 42", "- 5", "--5", "+-5", "0x10", "  +000000000000000000000000007"}) {
        SCOPED_TRACE(text);
        const auto expected = static_cast<std::int32_t>(std::strtol(text, nullptr, 10));
        EXPECT_EQ(c.GetIntValue("\"" + std::string(text) + "\""), expected);
    }
    if (sizeof(long) == 8) {
        EXPECT_EQ(c.GetIntValue("\"4294967297\""), 1);
        EXPECT_EQ(c.GetIntValue("\"99999999999999999999\""), -1); // LONG_MAX cut to 32 bits
    } else {
        EXPECT_EQ(c.GetIntValue("\"4294967297\""), 2147483647);
    }
}

TEST(ConverterValues, NameAndMapLookups)
{
    EXPECT_EQ(CQIConverter::FindName("display.colors", kGroupNames), 13);
    EXPECT_EQ(CQIConverter::FindName("", kPropertyNames), 0);
    EXPECT_EQ(CQIConverter::FindName("", kMacroKeywords), -1);
    EXPECT_EQ(CQIConverter::FindName("Anything", 7), -1);
    EXPECT_EQ(CQIConverter::FindName("Anything", 9), -1);
    EXPECT_EQ(CQIConverter::FindName("FONTSIZE", kPropertyNames), CQIConverter::FindName("Fontsize", kPropertyNames));

    int section = -7, key = -7, kind = -7;
    EXPECT_FALSE(CQIConverter::FindPropertyMapping(-1, 1, section, key, kind));
    EXPECT_EQ(section, -7);
    const int display = CQIConverter::FindName("Display", kGroupNames);
    ASSERT_TRUE(CQIConverter::FindPropertyMapping(display, CQIConverter::FindName("Horizontal", kPropertyNames), section,
                                                  key, kind));
    EXPECT_STREQ(SectionNames[section], "Terminal");
    EXPECT_STREQ(KeyNames[key], "DispCouplingHorz");
    EXPECT_EQ(kind, 0);
}

TEST(ConverterValues, ReportCodes)
{
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "r.txt", "");
    platform::File file;
    platform::FileError error;
    ASSERT_TRUE(file.Open(dir / "r.txt", platform::OpenMode::WriteExclusive, false, error));
    Plain c;
    c.m_reportFile = &file;
    c.ReportProperty("M.qtm", 3);
    EXPECT_EQ(c.m_unconverted, 1);
    EXPECT_EQ(c.m_unrecognized, 0);
    file.Close();
    EXPECT_EQ(testing_support::ReadFile(dir / "r.txt"), "Unable to convert macro:\tM.qtm\n");
}

} // namespace
