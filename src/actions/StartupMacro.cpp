#include "converters/CQISessionConverter.h"

#include "actions/CQIMacroLibrary.h"
#include "actions/MacroFiles.h"
#include "platform/AsciiCase.h"

// The startup macro of a session: the QIM! macro file is read whole and handed to the macro
// translator, which writes the TORQA! macro; t becomes that macro's path. A member of the session
// converter, kept with the macro conversions it is made of (like ResolveMacroReference).
bool CQISessionConverter::ConvertStartupMacro(std::string& t)
{
    for (std::size_t at = t.find("\"+\""); at != std::string::npos; at = t.find("\"+\""))
        t.erase(at, 3); // a name written as several quoted pieces
    std::string macroText;
    if (!ReadMacroFile(*this, "startup macro", t, "The session has no startup macro, and the rest of the statement is dropped", macroText))
        return false;

    // "C:\QIM\Macros\start.qtm" -> "\START.TBM"
    std::string name = UpperCase(t);
    const std::size_t extension = name.find(".QTM");
    name = extension == std::string::npos ? std::string() : name.substr(0, extension);
    const std::size_t slash = name.find_last_of("\\/"); // the platform's separators
    if (slash != std::string::npos)
        name = name.substr(slash);
    name += ".TBM";

    CQIMacroContext context(m_macroDirectory);
    if (!context.TranslateMacroNamed(macroText, name))
        return false;
    t = name;
    return true;
}
