#include "actions/CQIMacroLibrary.h"

#include "platform/FileSystem.h"

#include <cstring>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsWhite(char c) { return IsBlank(c) || c == '\r' || c == '\n'; }

class Cursor {
public:
    explicit Cursor(const std::string& text) : m_text(text) {}
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    void SkipBlanks()
    {
        while (!AtEnd() && IsBlank(Peek()))
            ++m_pos;
    }
    void SkipWhite()
    {
        while (!AtEnd() && IsWhite(Peek()))
            ++m_pos;
    }
    bool Take(const char* word)
    {
        const std::size_t n = std::strlen(word);
        if (m_text.compare(m_pos, n, word) != 0)
            return false;
        m_pos += n;
        return true;
    }
    // Comment lines ("//" to the line's end) with white space around them; false when a comment
    // has no line end after it.
    bool SkipComments()
    {
        SkipWhite();
        while (m_text.compare(m_pos, 2, "//") == 0) {
            const std::size_t lf = m_text.find('\n', m_pos);
            if (lf == std::string::npos)
                return false;
            m_pos = lf + 1;
            SkipWhite();
        }
        return true;
    }
    std::size_t m_pos = 0;
    const std::string& m_text;
};

} // namespace

bool ParseRunMacroCall(const std::string& macroText, std::string& out)
{
    Cursor c(macroText);
    if (!c.SkipComments())
        return false;
    if (!c.Take("RunMacro") && !c.Take("Run"))
        return false;
    c.SkipBlanks();
    if (!c.Take("("))
        return false;
    c.SkipBlanks();
    if (!c.Take("\""))
        return false;
    std::string name;
    while (!c.AtEnd() && !std::strchr("\\/:*?\"<>\t\r\n", c.Peek()))
        name.push_back(macroText[c.m_pos++]);
    if (!c.Take("\""))
        return false;
    c.SkipBlanks();

    std::string arguments;
    while (c.Take(",")) {
        c.SkipBlanks();
        if (!c.Take("\""))
            return false;
        std::string argument;
        while (!c.AtEnd() && c.Peek() != '"') {
            if (c.Peek() == '\\' && c.m_pos + 1 < macroText.size())
                argument.push_back(macroText[c.m_pos++]); // the backslash stays, with what it escapes
            argument.push_back(macroText[c.m_pos++]);
        }
        if (!c.Take("\"") || argument.empty())
            return false;
        for (const char ch : argument)
            if (IsWhite(ch))
                return false;
        arguments += " " + argument;
        c.SkipBlanks();
    }
    if (!c.Take(")"))
        return false;
    // Only comment lines may follow.
    c.SkipWhite();
    while (!c.AtEnd()) {
        if (!c.Take("//"))
            return false;
        const std::size_t lf = macroText.find('\n', c.m_pos);
        c.m_pos = lf == std::string::npos ? macroText.size() : lf + 1;
        c.SkipWhite();
    }
    out = platform::SplitPath(name).name + ".tbm" + arguments;
    return true;
}
