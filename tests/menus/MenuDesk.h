#pragma once
// The menu converter on the shared converter desk, whose TORQA! installation holds the example
// resource library (the width of the running test program, so the real menu functions can load it
// too), and the fixed pieces of every expected document, written out by hand.
#include "menus/CQIMenuConverter.h"

#include "support/ConverterDesk.h"

#include <string>

namespace testing_support {

class MenuDesk : public ConverterTest<CQIMenuConverter> {
protected:
    static constexpr const char* kStart = "<CustomMenu Version=\"1\" TerminalType=\"VT\" Language=\"ENU\" ><Menu>";
    static constexpr const char* kDefaultSystemMenu =
        "<SystemMenu Restore=\"True\" Move=\"True\" Size=\"True\" Minimize=\"True\" Maximize=\"True\" "
        "ShowMenuBar=\"True\" Close=\"True\"  />";
    static constexpr const char* kEnd = "</CustomMenu>";

    explicit MenuDesk(bool withMenu = true, DeskOptions options = {})
        : ConverterTest(WithMenu(options, withMenu)), m_expectMenu(withMenu && options.withInstallPath)
    {
        // What the dispatcher hands the converter, for the documents built without Convert.
        m_converter.m_reportFile = &m_report;
        m_converter.m_sourceSessionDir = m_desk.QimSessions();
        m_converter.m_macroDirectory = m_desk.Macros();
    }

    void SetUp() override
    {
        // Every expected document of these tests is read through the example menu.
        if (m_expectMenu && !m_converter.MenuTemplate())
            GTEST_FAIL() << "the converter found no TORQA! menu in the desk's installation " << m_desk.Install();
    }

    std::string Document(const PropertyList& tokens) { return m_converter.BuildMenuDocument(tokens); }

private:
    static DeskOptions WithMenu(DeskOptions options, bool withMenu)
    {
        options.exampleMenu = withMenu;
        return options;
    }
    bool m_expectMenu;
};

} // namespace testing_support
