#pragma once
// Runs one display converter against a session file and a report of its own, and reads both back.
#include "converters/CQIConverter.h"
#include "platform/Profile.h"

#include "support/TestReport.h"

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

template <typename Converter>
class ConverterHarness : public ::testing::Test {
protected:
    // What ReadProfileValue answers for a key that was never written.
    static constexpr const char* kAbsent = "<absent>";

    void SetUp() override
    {
        ASSERT_TRUE(m_report.OpenEmpty(m_dir / "report.txt", true));
        m_converter.m_reportFile = &m_report;
        m_session = m_dir / "session.TDP";
    }

    bool Convert(const PropertyList& properties) { return m_converter.Convert(properties, m_session.c_str(), ""); }

    // The report as written so far; the report is closed.
    std::string Report() { return m_report.Text(); }

    std::string Value(const std::string& section, const std::string& key) const
    {
        return platform::ReadProfileValue(section, key, kAbsent, m_session);
    }

    static std::string Unconverted(const std::string& text) { return "Unconverted property:\t" + text + "\n"; }
    static std::string Unrecognized(const std::string& text) { return "Unreconnized property:\t" + text + "\n"; }

    TempDir m_dir;
    TestReport m_report;
    std::string m_session;
    Converter m_converter;
};

} // namespace testing_support
