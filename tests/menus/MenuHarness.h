#pragma once
// A menu converter on a desk of its own, whose TORQA! installation holds the example resource
// library (the width of the running test program, so the real menu functions can load it too).
#include "actions/MacroReportPath.h"
#include "menus/CQIMenuConverter.h"
#include "platform/Profile.h"

#include "support/TestDesk.h"
#include "support/TestReport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace testing_support {

class MenuHarness : public ::testing::Test {
protected:
    static constexpr const char* kStart = "<CustomMenu Version=\"1\" TerminalType=\"VT\" Language=\"ENU\" ><Menu>";
    static constexpr const char* kDefaultSystemMenu =
        "<SystemMenu Restore=\"True\" Move=\"True\" Size=\"True\" Minimize=\"True\" Maximize=\"True\" "
        "ShowMenuBar=\"True\" Close=\"True\"  />";
    static constexpr const char* kEnd = "</CustomMenu>";

    explicit MenuHarness(bool withLibrary = true, const TestDesk::Options& options = {})
        : m_desk(options), m_expectMenu(withLibrary && options.withInstallPath)
    {
        if (withLibrary)
            m_desk.AddExampleMenu();
        m_converter = std::make_unique<CQIMenuConverter>();
        m_report.OpenEmpty(m_desk.Path("report.txt"), false);
        m_converter->m_reportFile = &m_report;
        m_converter->m_sourceSessionDir = m_desk.QimSessions();
    }

    void SetUp() override
    {
        // Every expected document of these tests is read through the example menu.
        if (m_expectMenu && !m_converter->MenuTemplate())
            GTEST_FAIL() << "the converter found no TORQA! menu in the desk's installation " << m_desk.Install();
    }
    ~MenuHarness() override { MacroReportPath().clear(); } // process-wide: later runs would append it

    std::string Document(const PropertyList& tokens) { return m_converter->BuildMenuDocument(tokens); }
    std::string Report() { return m_report.Text(); }
    std::string SessionValue(const std::string& session, const std::string& key) const
    {
        return platform::ReadProfileValue("Session", key, "<absent>", session);
    }

    TestDesk m_desk;
    bool m_expectMenu;
    TestReport m_report;
    std::unique_ptr<CQIMenuConverter> m_converter;
};

} // namespace testing_support
