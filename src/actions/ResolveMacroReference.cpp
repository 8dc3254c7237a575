#include "converters/CQIConverter.h"

#include "converters/CaretCode.h"
#include "converters/NameTables.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"

namespace {

// Backslash escapes a quote or a backslash (anything else keeps its backslash); carets as in
// strings.
std::string EscapeDecode(const std::string& operand)
{
    std::string out;
    for (std::size_t i = 0; i < operand.size();) {
        const char c = operand[i];
        if (c == '\\' && i + 1 < operand.size() && (operand[i + 1] == '"' || operand[i + 1] == '\\')) {
            out.push_back(operand[i + 1]);
            i += 2;
            continue;
        }
        char decoded = 0;
        if (c == '^' && DecodeCaret(operand, i, operand.size(), decoded)) {
            out.push_back(decoded);
            continue;
        }
        out.push_back(c);
        ++i;
    }
    return out;
}

// The operand cut just before its ".qtm" (found in the upper-cased copy, so any spelling counts).
std::string CutExtension(const std::string& operand, const std::string& upper)
{
    std::size_t at = operand.find(".QTM");
    if (at == std::string::npos)
        at = operand.find(".qtm");
    if (at == std::string::npos)
        at = upper.find(".QTM");
    return operand.substr(0, at);
}

} // namespace

void CQIConverter::ResolveMacroReference(const std::string& operand, std::string& text, bool& isMacroFile) const
{
    const std::string upper = UpperCase(operand);
    const std::size_t paren = upper.find('(');
    const bool callsUserMacro = paren != std::string::npos && FindName(upper.substr(0, paren), kMacroKeywords) < 0;
    const std::string folder = m_sourceSessionDir + platform::kPathSeparator;

    if (upper.find("RUNMACRO(") != std::string::npos) {
        const std::string cut = CutExtension(operand, upper);
        if (upper.find(":\\") != std::string::npos || upper.find(".\\") != std::string::npos) {
            // The reference carries its own folder: keep it as written.
            const std::size_t open = cut.find("(\"");
            text = (open == std::string::npos ? cut.substr(cut.find('(') + 1) : cut.substr(open + 2)) + ".qtm";
        } else {
            const std::size_t quote = cut.rfind('"');
            const std::string name = quote == std::string::npos ? cut.substr(cut.find('(') + 1) : cut.substr(quote + 1);
            text = folder + name + ".qtm";
        }
        isMacroFile = true;
        return;
    }
    text = EscapeDecode(operand);
    isMacroFile = false;
    if (callsUserMacro) {
        text = folder + text.substr(0, text.find('(')) + ".qtm";
        isMacroFile = true;
    }
}
