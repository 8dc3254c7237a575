#include "converters/CQISessionConverter.h"

#include "converters/NameTables.h"
#include "converters/SessionValueKinds.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"

namespace {

constexpr int kKeyboardLayoutKind = 28;

void Write(int section, int key, const std::string& value, const char* targetFile)
{
    CQIConverter::WriteProfile(SectionNames[section], KeyNames[key], value, targetFile);
}

// Telnet command: the text after the first quote that follows the first character, up to one
// character before the first backslash that escapes a quote.
bool TelnetCommand(const std::string& source, std::string& out)
{
    const std::size_t quote = source.size() > 1 ? source.find('"', 1) : std::string::npos;
    if (quote == std::string::npos)
        return false;
    const std::string text = source.substr(quote + 1);
    const std::size_t p = text.find("\\\"");
    if (p == std::string::npos || p == 0)
        return false;
    out = text.substr(0, p - 1);
    return true;
}

// Language code: the three letters after the first quote, with two names of their own.
bool LanguageCode(const std::string& source, std::string& out)
{
    const std::size_t quote = source.find('"');
    if (quote == std::string::npos)
        return false;
    const std::string code = UpperCase(source.substr(quote + 1, 3));
    out = code == "POR" ? "PTG" : code == "ENG" ? "ENU" : code;
    return true;
}

} // namespace

int CQISessionConverter::TranslateValue(int kind, const std::string& source, std::string& out, const char* targetFile)
{
    OtherValue other = OtherValue::Refused;
    if (FindChoiceKind(kind, other)) {
        if (const ValueChoice* choice = FindChoice(kind, source.c_str())) {
            if (!choice->target)
                return 0;
            out = choice->target;
            return 1;
        }
        switch (other) {
        case OtherValue::Refused: return 0;
        case OtherValue::Skipped: return -1;
        case OtherValue::Unquoted: return Unquote(source, out) ? 1 : 0;
        }
    }
    switch (kind) {
    case 5: return LookupToolComponent(source, "Connection", out, targetFile) ? 1 : 0;
    // Every protocol is looked up under its own name, Xmodem, Ymodem and Zmodem included.
    case 11: return LookupToolComponent(source, "File Transfer", out, targetFile) ? 1 : 0;
    case 7:
    case 9:
    case 29: return DecodeString(source, out) ? 1 : 0;
    case 14: return RelocatePath(source, out, targetFile) ? 1 : 0;
    case 15:
        if (EqualsNoCase(source, "\"Unlimited\""))
            out = "Unlimited";
        else
            out = source.size() >= 3 ? source.substr(1, source.size() - 3) : std::string(); // "512K" -> 512
        return 1;
    case 30: return TelnetCommand(source, out) ? 1 : 0;
    case 31: return LanguageCode(source, out) ? 1 : 0;
    default: return CQIConverter::TranslateValue(kind, source, out, targetFile);
    }
}

bool CQISessionConverter::RelocatePath(const std::string& source, std::string& out, const char* targetFile)
{
    std::string name;
    for (const char c : source)
        if (c != '"' && c != '+')
            name.push_back(c);
    if (name.empty())
        return false;
    const platform::PathParts target = platform::SplitPath(targetFile ? targetFile : "");
    const platform::PathParts file = platform::SplitPath(name);
    out = target.drive + target.directory + file.name + file.extension;
    return true;
}

bool CQISessionConverter::Convert(const PropertyList& properties, const char* outputSessionPath, const char*)
{
    if (properties.empty())
        return true;
    if (properties.size() == 2)
        return ConvertSingleValue(properties, outputSessionPath);
    return ConvertGroup(properties, outputSessionPath);
}

bool CQISessionConverter::ConvertSingleValue(const PropertyList& properties, const char* targetFile)
{
    const std::string& name = properties[0];
    const std::string& value = properties[1];
    int section = 0, key = 0, kind = 0;
    const int index = FindName(name, kStatementNames);
    if (index < 0 || !FindPropertyMapping(0, index, section, key, kind)) {
        ReportProperty(name, kUnrecognized);
        return true;
    }
    std::string out;
    const int result = TranslateValue(kind, value, out, targetFile);
    if (result == 0)
        ReportProperty(name + "=" + value, kUnconverted);
    else if (result == 1 && section != 0 && key != 0)
        Write(section, key, out, targetFile);
    return true;
}

bool CQISessionConverter::ConvertGroup(const PropertyList& properties, const char* targetFile)
{
    const std::string& groupName = properties[0];
    const int group = FindName(groupName, kGroupNames);
    if (groupName == "Graphics") {
        const int terminal = FindName("Terminal", kSectionNames);
        Write(terminal, FindName("Name", kKeyNames), "VT340", targetFile);
        Write(terminal, FindName("TermModel", kKeyNames), "340", targetFile);
    }
    if (group < 0) {
        ReportProperty(groupName, kUnrecognized);
        return true;
    }
    const bool macroOptions = EqualsNoCase(groupName, "MacroOptions");
    for (std::size_t i = 1; i < properties.size(); i += 2) {
        const std::string& key = properties[i];
        const std::string value = ValueAt(properties, i + 1); // a key without a value reads as empty
        const bool disableLocator = EqualsNoCase(key, "DisableLocator");
        int section = 0, keyIndex = 0, kind = 0;
        if (!FindPropertyRow(group, key, section, keyIndex, kind))
            continue;
        if (kind == kKeyboardLayoutKind)
            Unquote(value, m_keyboardLayout); // a value Unquote refuses leaves the last layout
        if (keyIndex == 0)
            continue; // known, not carried over
        std::string out;
        const int result = TranslateValue(kind, value, out, targetFile);
        if (result == 0) {
            ReportProperty(key + "=" + value, kUnconverted);
            continue;
        }
        if (result != 1)
            continue;
        if (macroOptions && !ConvertStartupMacro(out))
            return false;
        if (disableLocator)
            out = "True";
        Write(section, keyIndex, out, targetFile);
    }
    return true;
}
