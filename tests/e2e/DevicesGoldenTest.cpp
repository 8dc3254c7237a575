// A session with key and mouse bindings, as the migration tool would hand it over, compared with
// files written by hand: the key map byte for byte, the session file with the mouse keys and the
// key map's name, and the report of the bindings that could not be carried over.
#include "formats/KeyMap.h"
#include "support/GoldenTranslation.h"
#include "support/HexBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_support;

struct DevicesGolden : GoldenTranslation {
    DevicesGolden() : GoldenTranslation("devices") {}
};

TEST_F(DevicesGolden, KeyAndMouseBindingsMatchTheHandWrittenFiles)
{
    TestDesk::Options options;
    options.classVersion = "QT420.Session.5.10";
    TestDesk desk(options);
    ASSERT_NO_FATAL_FAILURE(Translate(desk, "Devices"));

    ExpectSameFile(ReadFile(desk.Schemes() + kSep + "Devices.tkm"), HexBytes(ReadFile(GoldenFile("Devices.tkm.hex"))),
                   [](std::string_view bytes, std::string& text) { return formats::DumpKeyMap(bytes, text); });

    EXPECT_EQ(WithoutCarriageReturns(ReadFile(created)), Expected("Devices.TDP.expected"));
    EXPECT_EQ(WithoutCarriageReturns(ReadFile(report)), Expected("Devices.report.expected"));
    EXPECT_EQ(unconverted, 4u);
    EXPECT_EQ(unrecognized, 0u);
}

} // namespace
