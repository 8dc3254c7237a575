#include "platform/IniFile.h"

#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"

#include <vector>

namespace platform {

namespace {

struct Line {
    std::string text; // without its line end
    std::string end;  // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> SplitLines(const std::string& content)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t lf = content.find('\n', start);
        if (lf == std::string::npos) {
            lines.push_back({content.substr(start), ""});
            break;
        }
        std::size_t textEnd = lf;
        if (textEnd > start && content[textEnd - 1] == '\r')
            --textEnd;
        lines.push_back({content.substr(start, textEnd - start), content.substr(textEnd, lf + 1 - textEnd)});
        start = lf + 1;
    }
    return lines;
}

// The section a line opens, if it opens one.
bool SectionOf(const Line& line, std::string& name)
{
    const std::string text = TrimBlanks(line.text);
    if (text.empty() || text[0] != '[')
        return false;
    const std::size_t close = text.find(']');
    name = TrimBlanks(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// The key of an entry line; blank lines are no entries.
bool KeyOf(const Line& line, std::string& key, std::string* value)
{
    const std::string text = TrimBlanks(line.text);
    if (text.empty())
        return false;
    const std::size_t eq = text.find('=');
    key = TrimBlanks(text.substr(0, eq));
    if (value)
        *value = eq == std::string::npos ? std::string() : TrimBlanks(text.substr(eq + 1));
    return true;
}

struct Location {
    long section = -1;  // header line of the section
    long key = -1;      // line of the key
    long lastEntry = -1; // last entry line of the section (the header when it has none)
};

Location Find(const std::vector<Line>& lines, const std::string& section, const std::string& key, std::string* value)
{
    Location where;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (SectionOf(lines[i], name)) {
            if (inside)
                break; // only the first section of that name counts
            if (EqualsNoCase(name, section)) {
                inside = true;
                where.section = where.lastEntry = static_cast<long>(i);
            }
            continue;
        }
        if (!inside)
            continue;
        std::string entry;
        if (!KeyOf(lines[i], entry, value))
            continue;
        where.lastEntry = static_cast<long>(i);
        if (where.key < 0 && EqualsNoCase(entry, key)) {
            where.key = static_cast<long>(i);
            return where;
        }
    }
    return where;
}

#ifdef _WIN32
constexpr const char* kNewFileLineEnd = "\r\n";
#else
constexpr const char* kNewFileLineEnd = "\n";
#endif

} // namespace

std::string IniReadValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                         const std::string& path, std::size_t bufferSize)
{
    if (bufferSize == 0)
        return {};
    std::string content;
    std::string value;
    if (!ReadWholeFile(path, content) || Find(SplitLines(content), section, key, &value).key < 0) {
        std::string result = defaultValue;
        while (!result.empty() && result.back() == ' ')
            result.pop_back(); // the Windows function strips the default's trailing blanks
        return result.substr(0, bufferSize - 1);
    }
    // The value is cut to the buffer after its opening quote is dropped; the closing quote goes
    // when the buffer could hold the rest of the value, whether or not the cut reached it.
    const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
    const std::string rest = quoted ? value.substr(1) : value;
    std::string result = rest.substr(0, bufferSize - 1);
    if (quoted && bufferSize >= rest.size() && !result.empty())
        result.pop_back();
    return result;
}

bool IniWriteValue(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path)
{
    std::string content;
    // A missing file is created; one that exists but cannot be read is left alone.
    if (!ReadWholeFile(path, content) && PathExists(path))
        return false;
    std::vector<Line> lines = SplitLines(content);
    const std::string lineEnd = lines.empty() || lines[0].end.empty() ? kNewFileLineEnd : lines[0].end;

    const Location where = Find(lines, section, key, nullptr);
    if (where.key >= 0) {
        std::string name;
        KeyOf(lines[where.key], name, nullptr);
        lines[where.key].text = name + "=" + value;
    } else if (where.section >= 0) {
        Line& before = lines[where.lastEntry];
        if (before.end.empty())
            before.end = lineEnd;
        lines.insert(lines.begin() + where.lastEntry + 1, Line{key + "=" + value, lineEnd});
    } else {
        if (!lines.empty() && lines.back().end.empty())
            lines.back().end = lineEnd;
        lines.push_back({"[" + section + "]", lineEnd});
        lines.push_back({key + "=" + value, lineEnd});
    }

    std::string updated;
    for (const Line& line : lines)
        updated += line.text + line.end;
    File file;
    FileError error;
    if (!file.Open(path, OpenMode::BinaryCreate, false, error))
        return false;
    try {
        file.WriteString(updated);
        file.Close();
    } catch (const FileException&) {
        return false;
    }
    return true;
}

} // namespace platform
