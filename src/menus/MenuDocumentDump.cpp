#include "menus/MenuDocumentDump.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.' || c == ':';
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Two blanks per level of nesting. Elements nested deeper than anyone reads by eye carry their depth
// instead, so that a document nested many thousand levels deep is shown in a text of about its own
// size rather than one that grows with the square of its depth.
std::string Indent(std::size_t depth)
{
    constexpr std::size_t kShownLevels = 32;
    if (depth <= kShownLevels)
        return std::string(2 * depth, ' ');
    return std::string(2 * kShownLevels, ' ') + "[" + std::to_string(depth) + "] ";
}

class DocumentReader {
public:
    explicit DocumentReader(const std::string& bytes) : m_in(bytes) {}

    bool Read(std::string& text, std::string& error)
    {
        std::vector<std::string> open;
        bool rootSeen = false;
        for (;;) {
            SkipBlanks();
            if (m_pos >= m_in.size())
                break;
            if (m_in[m_pos] != '<')
                return Fail("text outside a tag", error);
            if (rootSeen && open.empty())
                return Fail("a second element after the document's end", error);
            ++m_pos;
            const bool closing = m_pos < m_in.size() && m_in[m_pos] == '/';
            if (closing)
                ++m_pos;
            std::string name;
            if (!Name(name))
                return Fail("an element name expected", error);
            if (closing) {
                SkipBlanks();
                if (!Expect('>'))
                    return Fail("'>' expected", error);
                if (open.empty() || open.back() != name)
                    return Fail("</" + name + "> closes " + (open.empty() ? "nothing" : "<" + open.back() + ">"), error);
                open.pop_back();
                continue;
            }
            std::string line = Indent(open.size()) + name;
            bool empty = false;
            for (;;) {
                const bool separated = SkipBlanks();
                if (m_pos >= m_in.size())
                    return Fail("the document ends inside <" + name + ">", error);
                if (m_in[m_pos] == '>') {
                    ++m_pos;
                    break;
                }
                if (m_in[m_pos] == '/') {
                    ++m_pos;
                    if (!Expect('>'))
                        return Fail("'>' expected after '/'", error);
                    empty = true;
                    break;
                }
                std::string attribute, value;
                if (!separated || !Name(attribute))
                    return Fail("an attribute name expected in <" + name + ">", error);
                SkipBlanks();
                if (!Expect('='))
                    return Fail("'=' expected after " + attribute, error);
                SkipBlanks();
                if (!Value(value, error))
                    return false;
                line += "  " + attribute + "=\"" + Shown(value) + "\"";
            }
            text += line + "\n";
            rootSeen = true;
            if (!empty)
                open.push_back(name);
        }
        if (!open.empty()) {
            m_pos = m_in.size();
            return Fail("the document ends with <" + open.back() + "> still open", error);
        }
        if (!rootSeen) {
            error = "no element";
            return false;
        }
        return true;
    }

private:
    bool SkipBlanks()
    {
        const std::size_t start = m_pos;
        while (m_pos < m_in.size() && IsBlank(m_in[m_pos]))
            ++m_pos;
        return m_pos > start;
    }
    bool Expect(char c)
    {
        if (m_pos >= m_in.size() || m_in[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }
    bool Name(std::string& name)
    {
        const std::size_t start = m_pos;
        while (m_pos < m_in.size() && IsNameChar(m_in[m_pos]))
            ++m_pos;
        name = m_in.substr(start, m_pos - start);
        return !name.empty();
    }
    // A quoted value with its references decoded. The converter writes some values as they are:
    // a key sequence keeps the "<" and ">" of its key names, and separator, system-menu and macro
    // file values are not escaped at all. So a "<" or ">" inside a value, and a "&" that starts no
    // known reference, are taken as they stand, and such documents are shown rather than refused.
    bool Value(std::string& value, std::string& error)
    {
        if (m_pos >= m_in.size() || (m_in[m_pos] != '"' && m_in[m_pos] != '\''))
            return Fail("a quoted value expected", error);
        const char quote = m_in[m_pos++];
        while (m_pos < m_in.size() && m_in[m_pos] != quote) {
            const char c = m_in[m_pos];
            if (c != '&' || !Reference(value)) {
                value.push_back(c);
                ++m_pos;
            }
        }
        if (!Expect(quote))
            return Fail("the document ends inside a value", error);
        return true;
    }
    // The reference at m_pos, decoded into value; false (nothing consumed) when there is none.
    bool Reference(std::string& value)
    {
        // The longest reference, "&#255;" or "&quot;", ends within a few bytes: look no further.
        std::size_t end = m_pos + 1;
        while (end < m_in.size() && end - m_pos <= 8 && m_in[end] != ';')
            ++end;
        if (end >= m_in.size() || m_in[end] != ';')
            return false;
        const std::string entity = m_in.substr(m_pos + 1, end - m_pos - 1);
        static const char* const kNamed[][2] = {{"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"apos", "'"}, {"quot", "\""}};
        bool known = false;
        for (const auto& row : kNamed)
            if (entity == row[0]) {
                value += row[1];
                known = true;
            }
        if (!known && entity.size() > 1 && entity[0] == '#') {
            unsigned code = 0;
            known = true;
            for (std::size_t i = 1; i < entity.size(); ++i) {
                known = known && entity[i] >= '0' && entity[i] <= '9';
                code = code * 10 + static_cast<unsigned>(entity[i] - '0');
            }
            known = known && code > 0 && code < 256; // the document's bytes are one code page
            if (known)
                value.push_back(static_cast<char>(code));
        }
        if (!known)
            return false;
        m_pos = end + 1;
        return true;
    }
    static std::string Shown(const std::string& value)
    {
        std::string shown;
        for (char c : value) {
            const unsigned byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                shown += '\\';
                shown += c;
            } else if (c == '\t') {
                shown += "\\t";
            } else if (byte < 0x20 || byte >= 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", byte);
                shown += hex;
            } else {
                shown += c;
            }
        }
        return shown;
    }
    bool Fail(const std::string& what, std::string& error) const
    {
        error = "byte " + std::to_string(m_pos) + ": " + what;
        return false;
    }

    const std::string& m_in;
    std::size_t m_pos = 0;
};

} // namespace

bool DumpMenuDocument(const std::string& bytes, std::string& text, std::string& error)
{
    text.clear();
    DocumentReader reader(bytes);
    if (reader.Read(text, error))
        return true;
    text.clear();
    return false;
}
