#pragma once
// Runs one device converter on a desk of its own: a registry naming the QIM! session class, a
// report file, a TORQA! session file and a scheme directory, with the notices shown kept.
#include "actions/CQIMacroLibrary.h"
#include "actions/MacroReportPath.h"
#include "converters/CQIConverter.h"
#include "platform/Installer.h"
#include "platform/Notice.h"
#include "platform/Profile.h"

#include "support/HexBytes.h"
#include "support/TestDesk.h"
#include "support/TestReport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace testing_support {

inline TestDesk::Options DeskWithClass(const std::string& className)
{
    TestDesk::Options options;
    options.classVersion = className;
    return options;
}

template <typename Converter>
class DeviceHarness : public ::testing::Test {
protected:
    explicit DeviceHarness(const std::string& className = "QT420.Session.5.10") : m_desk(DeskWithClass(className)) {}

    void SetUp() override
    {
        platform::SetComponentLookup(&platform::RegistryComponentPath);
        ASSERT_TRUE(m_report.OpenEmpty(m_desk.Path("report.txt"), true));
        m_session = m_desk.Sessions() + kSep + "MYSESS.TDP";
        WriteFile(m_session, "[Session]\r\nTitle=\r\n");
        platform::SetNoticeHandler(&CollectNotice, &m_notices);
    }
    void TearDown() override
    {
        platform::SetNoticeHandler(nullptr, nullptr);
        MacroReportPath().clear(); // process-wide: later runs would append this test's macro report
        platform::SetComponentLookup(nullptr);
    }

    // The converter gets what the dispatcher gives it before every statement.
    bool Convert(Converter& converter, const PropertyList& properties)
    {
        converter.m_reportFile = &m_report;
        converter.m_sourceSessionDir = m_desk.QimSessions();
        return converter.Convert(properties, m_session.c_str(), m_desk.Schemes().c_str());
    }

    std::string Report() { return m_report.Text(); }
    std::string Value(const std::string& key) const
    {
        return platform::ReadProfileValue("Session", key, "<absent>", m_session);
    }
    void InstallTranslator()
    {
        m_desk.AddComponent(CQIMacroLibrary::kComponentId, QTCM_MACRO_TRANSLATOR);
    }

    TestDesk m_desk;
    TestReport m_report;
    std::string m_session;
    std::vector<std::string> m_notices;
};

} // namespace testing_support
