#include "platform/emulated/IniDocument.h"

#include "platform/AsciiCase.h"

namespace platform {

namespace {

std::string_view TrimmedView(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The section a line opens, if it opens one: its trimmed text starts with '['.
bool SectionOf(std::string_view line, std::string_view& name)
{
    const std::string_view text = TrimmedView(line);
    if (text.empty() || text[0] != '[')
        return false;
    const std::size_t close = text.find(']');
    name = TrimmedView(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

// The key of an entry line (the trimmed text before the first '='); blank lines are no entries.
bool KeyOf(std::string_view line, std::string_view& key)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    key = TrimmedView(line.substr(first, line.find('=', first) - first));
    return true;
}

} // namespace

const char* IniDocument::EndText(End end) { return end == kCrLf ? "\r\n" : end == kLf ? "\n" : ""; }

void IniDocument::Parse(const std::string& content)
{
    m_prelude.clear();
    m_sections.clear();
    m_firstSection.clear();
    std::size_t start = 0;
    std::string_view name;
    while (start < content.size()) {
        Line line;
        const std::size_t lf = content.find('\n', start);
        std::size_t textEnd = lf == std::string::npos ? content.size() : lf;
        if (lf != std::string::npos) {
            line.end = kLf;
            if (textEnd > start && content[textEnd - 1] == '\r') {
                --textEnd;
                line.end = kCrLf;
            }
        }
        line.text.assign(content, start, textEnd - start);
        start = lf == std::string::npos ? content.size() : lf + 1;

        if (SectionOf(line.text, name)) {
            m_firstSection.emplace(name, m_sections.size());
            m_sections.push_back(Section{std::move(line), {}, {}, -1});
            continue;
        }
        if (m_sections.empty()) {
            m_prelude.push_back(std::move(line));
            continue;
        }
        Section& section = m_sections.back();
        if (KeyOf(line.text, name)) {
            section.lastEntry = static_cast<long>(section.body.size());
            section.keys.emplace(name, section.body.size());
        }
        section.body.push_back(std::move(line));
    }
}

std::string IniDocument::Serialize() const
{
    std::size_t size = 0;
    auto count = [&](const Line& line) { size += line.text.size() + 2; };
    for (const Line& line : m_prelude)
        count(line);
    for (const Section& section : m_sections) {
        count(section.header);
        for (const Line& line : section.body)
            count(line);
    }
    std::string out;
    out.reserve(size);
    auto put = [&](const Line& line) {
        out += line.text;
        out += EndText(line.end);
    };
    for (const Line& line : m_prelude)
        put(line);
    for (const Section& section : m_sections) {
        put(section.header);
        for (const Line& line : section.body)
            put(line);
    }
    return out;
}

bool IniDocument::Find(const std::string& section, const std::string& key, std::string& value) const
{
    const auto found = m_firstSection.find(std::string_view(section));
    if (found == m_firstSection.end())
        return false;
    const Section& where = m_sections[found->second];
    const auto entry = where.keys.find(std::string_view(key));
    if (entry == where.keys.end())
        return false;
    const std::string& text = where.body[entry->second].text;
    const std::size_t eq = text.find('=');
    value = eq == std::string::npos ? std::string_view() : TrimmedView(std::string_view(text).substr(eq + 1));
    return true;
}

bool IniDocument::ReadsBackAs(Line& line, bool header)
{
    if (line.text.find('\n') != std::string::npos)
        return false;
    if (line.end == kLf && !line.text.empty() && line.text.back() == '\r') {
        // A value ending in a carriage return reads back as a line ending "\r\n": held so, the
        // same bytes without a new parse (a key sending "who^M" is common).
        line.text.pop_back();
        line.end = kCrLf;
    }
    const std::size_t first = line.text.find_first_not_of(" \t");
    return (first != std::string::npos && line.text[first] == '[') == header;
}

IniDocument::Line& IniDocument::LastLine()
{
    if (!m_sections.empty())
        return m_sections.back().body.empty() ? m_sections.back().header : m_sections.back().body.back();
    return m_prelude.back();
}

std::string IniDocument::FirstLineEnd(const char* newFileLineEnd) const
{
    const Line* first = !m_prelude.empty() ? &m_prelude.front() : !m_sections.empty() ? &m_sections.front().header : nullptr;
    return first && first->end != kNone ? EndText(first->end) : newFileLineEnd;
}

void IniDocument::Write(const std::string& section, const std::string& key, const std::string& value,
                        const char* newFileLineEnd)
{
    const End lineEnd = FirstLineEnd(newFileLineEnd) == "\r\n" ? kCrLf : kLf;
    bool exact = true; // false when an edited line would not read back as it is held
    auto entryText = [&](std::string_view name) {
        std::string text;
        text.reserve(name.size() + 1 + value.size());
        text.append(name).append(1, '=').append(value);
        return text;
    };
    std::string_view name;
    const auto found = m_firstSection.find(std::string_view(section));
    if (found != m_firstSection.end()) {
        Section& where = m_sections[found->second];
        const auto entry = where.keys.find(std::string_view(key));
        if (entry != where.keys.end()) {
            Line& line = where.body[entry->second];
            KeyOf(line.text, name);
            line.text = entryText(name);
            exact = ReadsBackAs(line, false);
        } else {
            Line& before = where.lastEntry < 0 ? where.header : where.body[static_cast<std::size_t>(where.lastEntry)];
            if (before.end == kNone) {
                before.end = lineEnd;
                exact = ReadsBackAs(before, where.lastEntry < 0);
            }
            const std::size_t at = static_cast<std::size_t>(where.lastEntry + 1);
            where.body.insert(where.body.begin() + static_cast<long>(at), Line{entryText(key), lineEnd});
            exact = exact && ReadsBackAs(where.body[at], false);
            KeyOf(where.body[at].text, name);
            where.keys.emplace(name, at);
            where.lastEntry = static_cast<long>(at);
        }
    } else {
        if (!m_prelude.empty() || !m_sections.empty()) {
            Line& last = LastLine();
            if (last.end == kNone) {
                last.end = lineEnd;
                exact = ReadsBackAs(last, !m_sections.empty() && &last == &m_sections.back().header);
            }
        }
        Section added{Line{"[" + section + "]", lineEnd}, {Line{entryText(key), lineEnd}}, {}, 0};
        exact = exact && ReadsBackAs(added.header, true) && ReadsBackAs(added.body[0], false);
        SectionOf(added.header.text, name);
        m_firstSection.emplace(name, m_sections.size());
        KeyOf(added.body[0].text, name);
        added.keys.emplace(name, 0);
        m_sections.push_back(std::move(added));
    }
    if (!exact)
        Reparse(); // a value with line breaks in it, a key that opens a section: rare, and parsed afresh
}

} // namespace platform
