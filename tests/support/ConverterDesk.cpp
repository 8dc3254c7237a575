#include "support/ConverterDesk.h"

#include "actions/CQIMacroLibrary.h"
#include "actions/MacroReportPath.h"
#include "platform/Installer.h"
#include "platform/Notice.h"
#include "platform/Profile.h"

namespace testing_support {

ConverterDesk::ConverterDesk(const DeskOptions& options) : m_desk(options)
{
    if (options.exampleMenu)
        m_desk.AddExampleMenu();
    m_session = m_desk.Sessions() + kSep + "MYSESS.TDP";
    WriteFile(m_session, "[Session]\r\nTitle=\r\n");
    EXPECT_TRUE(m_report.OpenEmpty(m_desk.Path("report.txt"), true));
    platform::SetNoticeHandler(&CollectNotice, &m_notices);
    platform::SetComponentLookup(&platform::RegistryComponentPath);
}

ConverterDesk::~ConverterDesk()
{
    platform::SetNoticeHandler(nullptr, nullptr);
    platform::SetComponentLookup(nullptr);
    MacroReportPath().clear(); // process-wide: later runs would append this test's macro report
}

bool ConverterDesk::Convert(CQIConverter& converter, const PropertyList& properties)
{
    converter.m_reportFile = &m_report;
    converter.m_sourceSessionDir = m_desk.QimSessions();
    converter.m_macroDirectory = m_desk.Macros();
    return converter.Convert(properties, m_session.c_str(), m_desk.Schemes().c_str());
}

std::string ConverterDesk::Value(const std::string& section, const std::string& key) const
{
    return platform::ReadProfileValue(section, key, kAbsent, m_session);
}

void ConverterDesk::InstallTranslator() { m_desk.AddComponent(CQIMacroLibrary::kComponentId, QTCM_MACRO_TRANSLATOR); }

} // namespace testing_support
