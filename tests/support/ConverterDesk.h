#pragma once
// The desk every converter test runs on: a TestDesk (registry, TORQA! installation, QIM! and
// TORQA! folders), a TORQA! session file MYSESS.TDP, an empty report opened as a translation opens
// it, and the notices the library shows, collected. Convert hands a converter what the dispatcher
// hands it before every statement and converts into the desk's folders.
#include "converters/CQIConverter.h"
#include "formats/ReadResult.h"

#include "support/TestDesk.h"
#include "support/TestReport.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

struct DeskOptions : TestDesk::Options {
    bool exampleMenu = false; // the example installation's TORQA! menu library
};
// A desk whose QIM! session files are of this class ("QT420.Session.5.10").
inline DeskOptions DeskWithClass(const std::string& className)
{
    DeskOptions options;
    options.classVersion = className;
    return options;
}

class ConverterDesk : public ::testing::Test {
protected:
    // What ReadProfileValue answers for a key that was never written.
    static constexpr const char* kAbsent = "<absent>";

    explicit ConverterDesk(const DeskOptions& options = {});
    ~ConverterDesk() override;

    bool Convert(CQIConverter& converter, const PropertyList& properties);
    // The report as written so far; the report is closed.
    std::string Report() { return m_report.Text(); }
    // A key of the session file, kAbsent when it was never written.
    std::string Value(const std::string& section, const std::string& key) const;
    std::string Value(const std::string& key) const { return Value("Session", key); }
    // A file beside the session in the scheme folder: MYSESS and extension.
    std::string Written(const std::string& extension) const { return m_desk.Schemes() + kSep + "MYSESS" + extension; }
    // That file as its format's reader reads it (a failure to read it fails the test).
    template <typename File>
    File ReadWritten(const std::string& extension, formats::ReadResult (*read)(std::string_view, File&)) const
    {
        File file;
        const formats::ReadResult result = read(ReadFile(Written(extension)), file);
        EXPECT_TRUE(result) << Written(extension) << ": " << result.Describe();
        return file;
    }
    // The macro translator of tests/fixtures, installed as TORQA!'s.
    void InstallTranslator();

    static std::string Unconverted(const std::string& text) { return "Unconverted property:\t" + text + "\n"; }
    static std::string Unrecognized(const std::string& text) { return "Unreconnized property:\t" + text + "\n"; }

    TestDesk m_desk;
    TestReport m_report;
    std::string m_session;
    std::vector<std::string> m_notices;
};

// The common case: one converter, made once the desk is there.
template <typename Converter>
class ConverterTest : public ConverterDesk {
protected:
    using ConverterDesk::ConverterDesk;
    using ConverterDesk::Convert;
    bool Convert(const PropertyList& properties) { return Convert(m_converter, properties); }

    Converter m_converter;
};

// True where the screen metrics are the fixed ones of the systems without a window system (96 pixels
// per inch, Arial 9 at 8 x 9 pixels per "W"), with which the expected pixel numbers are worked out.
inline bool FixedScreenMetrics()
{
#ifdef _WIN32
    return false;
#else
    return true;
#endif
}

} // namespace testing_support
