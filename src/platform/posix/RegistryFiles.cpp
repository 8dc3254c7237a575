#include "platform/posix/RegistryFiles.h"

#include "platform/Ansi.h"
#include "platform/AsciiCase.h"
#include "platform/Files.h"

#include <cstdlib>
#include <vector>

namespace platform {

namespace {

// A key path as the lookups compare it: hive spelled out, case folded, no trailing backslash.
std::string CanonicalKey(const std::string& path)
{
    std::string key = path;
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    const std::size_t sep = key.find('\\');
    std::string hive = FoldCase(key.substr(0, sep));
    std::string rest = sep == std::string::npos ? std::string() : key.substr(sep);
    if (hive == "hklm")
        hive = "hkey_local_machine";
    else if (hive == "hkcu")
        hive = "hkey_current_user";
    else if (hive == "hku")
        hive = "hkey_users";
    else if (hive == "hkcr" || hive == "hkey_classes_root") {
        hive = "hkey_local_machine";
        rest = "\\software\\classes" + rest;
    }
    return hive + FoldCase(rest);
}

const char* HiveName(RegistryHive hive)
{
    switch (hive) {
    case RegistryHive::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case RegistryHive::CurrentUser: return "HKEY_CURRENT_USER";
    case RegistryHive::Users: return "HKEY_USERS";
    }
    return "";
}

// The text of a file as lines of ANSI text, whatever encoding the exporter chose.
std::string DecodeFile(const std::string& content, bool& unicode)
{
    unicode = false;
    if (content.size() >= 2 && static_cast<unsigned char>(content[0]) == 0xFF &&
        static_cast<unsigned char>(content[1]) == 0xFE) {
        unicode = true;
        return AnsiFromUtf16Le(content.substr(2));
    }
    if (content.size() >= 3 && content.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return AnsiFromUtf8(content.substr(3));
    return content;
}

// A quoted string starting at text[pos] (the opening quote); backslash escapes a backslash or a
// quote. Advances pos past the closing quote; false when there is none.
bool ReadQuoted(const std::string& text, std::size_t& pos, std::string& out)
{
    out.clear();
    for (std::size_t i = pos + 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
            out.push_back(text[++i]);
        } else if (text[i] == '"') {
            pos = i + 1;
            return true;
        } else {
            out.push_back(text[i]);
        }
    }
    return false;
}

bool HexDigit(char c, unsigned& value)
{
    if (c >= '0' && c <= '9')
        value = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f')
        value = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
        value = static_cast<unsigned>(c - 'A' + 10);
    else
        return false;
    return true;
}

// "61,00,62" -> bytes; false on anything but pairs of hex digits separated by commas.
bool ParseHexBytes(const std::string& text, std::string& bytes)
{
    bytes.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == ','))
            ++i;
        if (i >= text.size())
            break;
        unsigned high = 0, low = 0;
        if (i + 1 >= text.size() || !HexDigit(text[i], high) || !HexDigit(text[i + 1], low))
            return false;
        bytes.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return true;
}

bool ParseData(const std::string& text, bool unicode, RegistryData& data)
{
    if (!text.empty() && text[0] == '"') {
        std::size_t pos = 0;
        data.type = RegistryData::String;
        return ReadQuoted(text, pos, data.bytes) && TrimBlanks(text.substr(pos)).empty();
    }
    const std::string folded = FoldCase(text);
    if (folded.rfind("dword:", 0) == 0) {
        const std::string digits = TrimBlanks(text.substr(6));
        if (digits.empty() || digits.size() > 8)
            return false;
        unsigned long value = 0;
        for (char c : digits) {
            unsigned d = 0;
            if (!HexDigit(c, d))
                return false;
            value = value * 16 + d;
        }
        data.type = RegistryData::DWord;
        data.bytes.clear();
        for (int i = 0; i < 4; ++i)
            data.bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        return true;
    }
    unsigned type = RegistryData::Binary;
    std::size_t colon = 0;
    if (folded.rfind("hex:", 0) == 0) {
        colon = 3;
    } else if (folded.rfind("hex(", 0) == 0) {
        const std::size_t close = folded.find("):");
        if (close == std::string::npos)
            return false;
        type = 0;
        for (std::size_t i = 4; i < close; ++i) {
            unsigned d = 0;
            if (!HexDigit(folded[i], d))
                return false;
            type = type * 16 + d;
        }
        colon = close + 1;
    } else {
        return false;
    }
    std::string bytes;
    if (!ParseHexBytes(text.substr(colon + 1), bytes))
        return false;
    data.type = type;
    if (type == RegistryData::ExpandString || type == RegistryData::String || type == RegistryData::MultiString) {
        // Text values: UTF-16 in version 5 files, ANSI in the old format; drop the final zero.
        data.bytes = unicode ? AnsiFromUtf16Le(bytes) : bytes;
        if (type != RegistryData::MultiString)
            while (!data.bytes.empty() && data.bytes.back() == '\0')
                data.bytes.pop_back();
    } else {
        data.bytes = bytes;
    }
    return true;
}

} // namespace

const char* RegistryStore::ImportLine(const std::string& rawLine, bool unicode, std::string& currentKey)
{
    const std::string line = TrimBlanks(rawLine);
    if (line.empty() || line[0] == ';')
        return nullptr;
    if (line[0] == '[') {
        const std::size_t close = line.rfind(']');
        std::string path = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (!path.empty() && path[0] == '-') {
            // Deleting a key removes it with everything under it.
            const std::string gone = CanonicalKey(path.substr(1));
            m_deletedKeys.insert(gone);
            for (auto it = m_keys.begin(); it != m_keys.end();) {
                if (it->first == gone || it->first.rfind(gone + "\\", 0) == 0)
                    it = m_keys.erase(it);
                else
                    ++it;
            }
            currentKey.clear();
            return nullptr;
        }
        currentKey = CanonicalKey(path);
        m_keys[currentKey];
        return close == std::string::npos ? "a key without its closing ']'" : nullptr;
    }
    if (line[0] != '@' && line[0] != '"')
        return "neither a [key], a value nor a ; comment";
    if (currentKey.empty())
        return "a value before any [key] line";
    std::string name;
    std::size_t pos = 0;
    if (line[0] == '@') {
        pos = 1;
    } else if (line[0] == '"') {
        if (!ReadQuoted(line, pos, name))
            return "a value name without its closing quote";
    }
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    if (pos >= line.size() || line[pos] != '=')
        return "no '=' after the value name";
    const std::string dataText = TrimBlanks(line.substr(pos + 1));
    auto& values = m_keys[currentKey];
    if (dataText == "-") {
        values.erase(FoldCase(name));
        m_deletedValues.insert(currentKey + '\0' + FoldCase(name));
        return nullptr;
    }
    RegistryData data;
    if (!ParseData(dataText, unicode, data))
        return "data that is not a string, dword:, hex: or hex(n): value";
    values[FoldCase(name)] = data;
    return nullptr;
}

bool RegistryStore::Import(const std::string& fileContent, RegistryProblem* problem)
{
    bool unicode = false;
    const std::string text = DecodeFile(fileContent, unicode);
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    lines.push_back(line);

    std::size_t i = 0;
    while (i < lines.size() && TrimBlanks(lines[i]).empty())
        ++i;
    const std::string header = i < lines.size() ? TrimBlanks(lines[i]) : std::string();
    if (header == "REGEDIT4") {
        unicode = false;
    } else if (header == "Windows Registry Editor Version 5.00") {
        unicode = true; // hex(2) and hex(7) data are UTF-16 in this format, whatever the file's own encoding
    } else {
        if (problem && problem->line == 0)
            *problem = {i < lines.size() ? i + 1 : 1,
                        "not a registry export: the first line is neither \"Windows Registry Editor Version "
                        "5.00\" nor \"REGEDIT4\""};
        return false;
    }

    std::string currentKey;
    for (++i; i < lines.size(); ++i) {
        const std::size_t first = i;
        std::string logical = lines[i];
        // A value continues on the next line after a trailing backslash (long hex data); a key or a
        // comment never does.
        for (std::string trimmed = TrimBlanks(logical);
             !trimmed.empty() && trimmed.back() == '\\' && trimmed[0] != '[' && trimmed[0] != ';' && i + 1 < lines.size();
             trimmed = TrimBlanks(logical)) {
            trimmed.pop_back();
            logical = trimmed + TrimBlanks(lines[++i]);
        }
        const char* unread = ImportLine(logical, unicode, currentKey);
        if (unread && problem && problem->line == 0)
            *problem = {first + 1, unread};
    }
    return true;
}

const RegistryData* RegistryStore::Find(RegistryHive hive, const std::string& key, const std::string& name) const
{
    const auto found = m_keys.find(CanonicalKey(std::string(HiveName(hive)) + "\\" + key));
    if (found == m_keys.end())
        return nullptr;
    const auto value = found->second.find(FoldCase(name));
    return value == found->second.end() ? nullptr : &value->second;
}

const std::map<std::string, RegistryData>* RegistryStore::Values(RegistryHive hive, const std::string& key) const
{
    const auto found = m_keys.find(CanonicalKey(std::string(HiveName(hive)) + "\\" + key));
    return found == m_keys.end() ? nullptr : &found->second;
}

bool RegistryStore::Deletes(RegistryHive hive, const std::string& key, const std::string* name) const
{
    const std::string canonical = CanonicalKey(std::string(HiveName(hive)) + "\\" + key);
    for (const std::string& gone : m_deletedKeys)
        if (canonical == gone || canonical.rfind(gone + "\\", 0) == 0)
            return true;
    return name && m_deletedValues.count(canonical + '\0' + FoldCase(*name)) != 0;
}

std::vector<std::string> RegistryFileList()
{
    std::vector<std::string> files;
    const char* list = std::getenv("QTCM_REGISTRY");
    if (!list)
        return files;
    std::string current;
    for (const char* p = list;; ++p) {
        if (*p == ':' || *p == '\0') {
            if (!current.empty())
                files.push_back(current);
            current.clear();
            if (*p == '\0')
                break;
        } else {
            current.push_back(*p);
        }
    }
    return files;
}

RegistryStore LoadRegistryFromEnvironment()
{
    RegistryStore store;
    const std::vector<std::string> files = RegistryFileList();
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        std::string content;
        if (ReadWholeFile(*it, content))
            store.Import(content);
    }
    return store;
}

} // namespace platform
