// A session with key and mouse bindings, as the migration tool would hand it over, compared with
// files written by hand: the key map byte for byte, the session file with the mouse keys and the
// key map's name, and the report of the bindings that could not be carried over.
#include "support/HexBytes.h"
#include "support/LoadedLibrary.h"
#include "support/TestDesk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using namespace testing_support;

using DevicesGolden = LoadedLibrary;

std::string GoldenFile(const std::string& name)
{
    return std::string(QTCM_TESTDATA_DIR) + kSep + "golden" + kSep + "devices" + kSep + name;
}

// Both files in hexadecimal, 16 bytes a line, from the line of the first difference on.
std::string HexDifference(const std::string& expected, const std::string& actual)
{
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    auto lines = [at](const std::string& bytes) {
        std::string out;
        for (std::size_t line = at / 16 * 16; line < bytes.size() && line < at / 16 * 16 + 64; line += 16) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "%04zX:", line);
            out += buffer;
            for (std::size_t i = line; i < line + 16 && i < bytes.size(); ++i) {
                std::snprintf(buffer, sizeof buffer, " %02X", static_cast<unsigned char>(bytes[i]));
                out += buffer;
            }
            out += "\n";
        }
        return out;
    };
    return "first difference at byte " + std::to_string(at) + "\nexpected:\n" + lines(expected) + "actual:\n" +
           lines(actual);
}

TEST_F(DevicesGolden, KeyAndMouseBindingsMatchTheHandWrittenFiles)
{
    TestDesk::Options options;
    options.classVersion = "QT420.Session.5.10";
    TestDesk desk(options);
    const std::string source = desk.QimSessions() + kSep + "Devices.qtc";
    WriteFile(source, ReadFile(GoldenFile("Devices.qtc")));
    const std::string report = desk.Path("report.txt");
    WriteFile(report, "");

    ASSERT_TRUE(initialize());
    char output[260] = "";
    unsigned unconverted = 0, unrecognized = 0;
    EXPECT_TRUE(doTranslate(source.c_str(), report.c_str(), output, &unconverted, &unrecognized));
    const std::string created = desk.Sessions() + kSep + "Devices.TDP";
    ASSERT_EQ(std::string(output), created);

    const std::string expectedMap = HexBytes(ReadFile(GoldenFile("Devices.tkm.hex")));
    const std::string map = ReadFile(desk.Schemes() + kSep + "Devices.tkm");
    EXPECT_EQ(map, expectedMap) << HexDifference(expectedMap, map);

    EXPECT_EQ(WithoutCarriageReturns(ReadFile(created)),
              WithoutCarriageReturns(ReadFile(GoldenFile("Devices.TDP.expected"))));
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(report)),
              Substituted(WithoutCarriageReturns(ReadFile(GoldenFile("Devices.report.expected"))),
                          {{"@SOURCE@", source}, {"@OUTPUT@", created}}));
    EXPECT_EQ(unconverted, 2u);
    EXPECT_EQ(unrecognized, 0u);
    EXPECT_TRUE(notices.empty()) << (notices.empty() ? "" : notices[0]);
}

} // namespace
