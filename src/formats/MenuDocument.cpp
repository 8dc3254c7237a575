#include "formats/MenuDocument.h"

#include "formats/Bytes.h"

namespace formats::menu {

namespace {

bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.' || c == ':';
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void ReplaceAll(std::string& text, std::string_view what, std::string_view with)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

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
    explicit DocumentReader(std::string_view bytes) : m_in(bytes) {}

    ReadResult Read(std::vector<Element>& elements)
    {
        std::vector<std::string> open;
        bool rootSeen = false;
        for (;;) {
            SkipBlanks();
            if (m_pos >= m_in.size())
                break;
            if (m_in[m_pos] != '<')
                return Fail(ReadStatus::Malformed, "text outside a tag");
            if (rootSeen && open.empty())
                return Fail(ReadStatus::Malformed, "a second element after the document's end");
            ++m_pos;
            const bool closing = m_pos < m_in.size() && m_in[m_pos] == '/';
            if (closing)
                ++m_pos;
            Element element;
            if (!Name(element.name))
                return Fail(ReadStatus::Malformed, "an element name expected");
            if (closing) {
                SkipBlanks();
                if (!Expect('>'))
                    return Fail(ReadStatus::Malformed, "'>' expected");
                if (open.empty() || open.back() != element.name)
                    return Fail(ReadStatus::Malformed, "</" + element.name + "> closes " +
                                                           (open.empty() ? "nothing" : "<" + open.back() + ">"));
                open.pop_back();
                continue;
            }
            element.depth = open.size();
            bool empty = false;
            for (;;) {
                const bool separated = SkipBlanks();
                if (m_pos >= m_in.size())
                    return Fail(ReadStatus::Truncated, "the document ends inside <" + element.name + ">");
                if (m_in[m_pos] == '>') {
                    ++m_pos;
                    break;
                }
                if (m_in[m_pos] == '/') {
                    ++m_pos;
                    if (!Expect('>'))
                        return Fail(ReadStatus::Malformed, "'>' expected after '/'");
                    empty = true;
                    break;
                }
                std::string attribute, value;
                if (!separated || !Name(attribute))
                    return Fail(ReadStatus::Malformed, "an attribute name expected in <" + element.name + ">");
                SkipBlanks();
                if (!Expect('='))
                    return Fail(ReadStatus::Malformed, "'=' expected after " + attribute);
                SkipBlanks();
                if (!Value(value))
                    return m_result;
                element.attributes.emplace_back(std::move(attribute), std::move(value));
            }
            rootSeen = true;
            if (!empty)
                open.push_back(element.name);
            elements.push_back(std::move(element));
        }
        if (!open.empty()) {
            m_pos = m_in.size();
            return Fail(ReadStatus::Truncated, "the document ends with <" + open.back() + "> still open");
        }
        if (!rootSeen)
            return Fail(ReadStatus::Truncated, "no element");
        return m_result;
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
        name.assign(m_in.substr(start, m_pos - start));
        return !name.empty();
    }
    // A quoted value with its references decoded.
    bool Value(std::string& value)
    {
        if (m_pos >= m_in.size() || (m_in[m_pos] != '"' && m_in[m_pos] != '\'')) {
            Fail(ReadStatus::Malformed, "a quoted value expected");
            return false;
        }
        const char quote = m_in[m_pos++];
        while (m_pos < m_in.size() && m_in[m_pos] != quote) {
            const char c = m_in[m_pos];
            if (c != '&' || !Reference(value)) {
                value.push_back(c);
                ++m_pos;
            }
        }
        if (!Expect(quote)) {
            Fail(ReadStatus::Truncated, "the document ends inside a value");
            return false;
        }
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
        const std::string_view entity = m_in.substr(m_pos + 1, end - m_pos - 1);
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
    ReadResult Fail(ReadStatus status, const std::string& what)
    {
        if (m_result.status == ReadStatus::Ok)
            m_result = {status, m_pos, what};
        return m_result;
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    ReadResult m_result;
};

} // namespace

std::string DocumentStart()
{
    std::string start = "<CustomMenu ";
    AppendAttribute(start, "Version", "1");
    AppendAttribute(start, "TerminalType", "VT");
    AppendAttribute(start, "Language", "ENU");
    return start + ">";
}

void AppendAttribute(std::string& text, std::string_view name, std::string_view value)
{
    text.append(name).append("=\"").append(value).append("\" ");
}

std::string EscapeMarkup(std::string_view text)
{
    std::string escaped(text);
    ReplaceAll(escaped, "&", "&amp;");
    ReplaceAll(escaped, "<", "&lt;");
    ReplaceAll(escaped, ">", "&gt;");
    ReplaceAll(escaped, "'", "&apos;");
    ReplaceAll(escaped, "\"", "&quot;");
    return escaped;
}

ReadResult ReadMenuDocument(std::string_view bytes, std::vector<Element>& elements)
{
    elements.clear();
    return DocumentReader(bytes).Read(elements);
}

ReadResult DumpMenuDocument(std::string_view bytes, std::string& text)
{
    text.clear();
    std::vector<Element> elements;
    const ReadResult result = ReadMenuDocument(bytes, elements);
    if (!result)
        return result;
    for (const Element& element : elements) {
        text += Indent(element.depth) + element.name;
        for (const auto& [name, value] : element.attributes) {
            const std::string quoted = Quoted(value);
            text += "  " + name + "=" + quoted;
        }
        text += "\n";
    }
    return result;
}

} // namespace formats::menu
