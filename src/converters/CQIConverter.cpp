#include "converters/CQIConverter.h"

#include "converters/CaretCode.h"
#include "converters/NameTables.h"
#include "converters/Numbers.h"
#include "formats/ReportLines.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Notice.h"
#include "platform/Profile.h"
#include "platform/TorqaServices.h"


namespace {

bool IsQuote(char c) { return c == '"'; }
// After a backslash these stand for themselves.
bool IsEscapable(char c) { return c == '\\' || c == '"' || c == '^'; }

constexpr std::size_t kCatalogueValue = 160 + 1;

} // namespace

void CQIConverter::ReportProperty(const char* text, int code)
{
    const std::string line = report::PropertyLine(text ? text : "", code);
    if (code == kUnrecognized)
        ++m_unrecognized;
    else if (code == kUnconverted || code == kMacroFailed)
        ++m_unconverted;
    // A run without a report file (the caller named none) still counts.
    if (!line.empty() && m_reportFile && m_reportFile->IsOpen()) {
        m_reportFile->WriteString(line);
        platform::TellReportLine(m_statementGroup, line);
    }
}

int CQIConverter::TranslateValue(int kind, const std::string& source, std::string& out, const char*)
{
    switch (kind) {
    case 4: return ParseBoolean(source, out) ? 1 : 0;
    case 24: return Unquote(source, out) ? 1 : 0;
    case 32:
        out = EqualsNoCase(source, "True") ? "Yes" : "No";
        return 1;
    case 33:
        if (EqualsNoCase(source, "\"Current\"")) {
            out = "Auto";
            return 1;
        }
        return Unquote(source, out) ? 1 : 0;
    default: return 0;
    }
}

bool CQIConverter::ParseBoolean(const std::string& source, std::string& out)
{
    if (EqualsNoCase(source, "True"))
        out = "TRUE";
    else if (EqualsNoCase(source, "False"))
        out = "FALSE";
    else
        return false;
    return true;
}

bool CQIConverter::Unquote(const std::string& source, std::string& out)
{
    if (source.size() < 2)
        return false;
    if (!IsQuote(source.front()) || !IsQuote(source.back())) {
        out = source;
        return true;
    }
    std::string text;
    const std::size_t end = source.size() - 1;
    for (std::size_t i = 1; i < end; ++i) {
        if (source[i] == '\\' && i + 1 < end && IsEscapable(source[i + 1]))
            ++i;
        text.push_back(source[i]);
    }
    out = text;
    return true;
}

bool CQIConverter::DecodeString(const std::string& source, std::string& out)
{
    if (source.size() <= 2) {
        out.clear();
        return true;
    }
    std::string text;
    const std::size_t end = source.size() - 1; // the closing quote is not read
    std::size_t i = 1;
    while (i < end) {
        const char c = source[i];
        if (c == '"') {
            // "abc"+"def": the pieces join; reading goes on after the quote that opens the next one.
            if (i + 1 < end && source[i + 1] == '+') {
                const std::size_t next = source.find('"', i + 2);
                if (next != std::string::npos) {
                    i = next + 1;
                    continue;
                }
            }
            ++i;
            continue;
        }
        if (c == '\\' && i + 1 < end && IsEscapable(source[i + 1])) {
            text.push_back(source[i + 1]);
            i += 2;
            continue;
        }
        char decoded = 0;
        if (c == '^' && DecodeCaret(source, i, end, decoded)) {
            text.push_back(decoded);
            continue;
        }
        text.push_back(c);
        ++i;
    }
    out = text;
    return true;
}

std::int32_t CQIConverter::GetIntValue(const std::string& source)
{
    std::string text;
    if (!Unquote(source, text))
        text.clear();
    return DecimalValue(text);
}

bool CQIConverter::LookupToolComponent(const std::string& source, const char* section, std::string& out,
                                       const char* targetFile)
{
    std::string folder;
    if (!m_utility.GetLocation(CQIUtility::kTorqaInstallPath, folder))
        return false;
    if (!platform::EndsWithSeparator(folder))
        folder.push_back(platform::kPathSeparator);
    std::string language;
    if (platform::TorqaUserLanguage(language)) {
        if (!platform::EndsWithSeparator(language))
            language.push_back(platform::kPathSeparator);
        folder += language;
    }
    const std::string toolCatalogue = folder + "toolcomp.ini";
    const std::string moduleCatalogue = folder + "gi32.ini";

    std::string component;
    if (!Unquote(source, component))
        component.clear();
    component = UpperCase(component);

    out = platform::ReadProfileValue(component, "CPType", "", toolCatalogue, kCatalogueValue);
    if (out.empty())
        return false;
    const std::string sectionName = section ? section : "";
    WriteProfile(sectionName, "CPType", out, targetFile);
    const std::string model = platform::ReadProfileValue(component, "DevModel", "", toolCatalogue, kCatalogueValue);
    if (!model.empty())
        WriteProfile(sectionName, "DevModel", model, targetFile);
    const std::string module = platform::ReadProfileValue(component, "CPModule", "", moduleCatalogue, kCatalogueValue);
    if (!module.empty())
        WriteProfile(sectionName, "CPModule", module, targetFile);
    out = platform::ReadProfileValue(component, "Name", "", toolCatalogue, kCatalogueValue);
    return true;
}

int CQIConverter::FindName(const std::string& text, int tableId) { return IndexInNameTable(text, tableId); }

bool CQIConverter::FindPropertyMapping(int group, int property, int& section, int& key, int& kind)
{
    const PropertyMapRow* row = FirstPropertyMapRow(group, property);
    if (!row)
        return false;
    section = row->section;
    key = row->key;
    kind = row->kind;
    return true;
}

bool CQIConverter::FindPropertyRow(int group, const std::string& key, int& section, int& targetKey, int& kind)
{
    const int property = FindName(key, kPropertyNames);
    if (property >= 0 && FindPropertyMapping(group, property, section, targetKey, kind))
        return true;
    ReportProperty(key, kUnrecognized);
    return false;
}

int CQIConverter::ConvertProperty(int kind, const std::string& key, const std::string& value, int section,
                                  int targetKey, const std::string& targetFile)
{
    std::string out;
    const int result = TranslateValue(kind, value, out, nullptr);
    if (result == 0)
        ReportProperty(key + "=" + value, kUnconverted);
    else if (result > 0)
        WriteProfile(SectionNames[section], KeyNames[targetKey], out, targetFile);
    return result;
}

bool CQIConverter::WriteProfile(const std::string& section, const std::string& key, const std::string& value,
                                const char* targetFile)
{
    if (!targetFile || !*targetFile)
        return false;
    return platform::WriteProfileValue(section, key, value, targetFile);
}

bool CQIConverter::SatelliteName(const char* outputSessionPath, std::string& name)
{
    name = platform::FileStem(outputSessionPath ? outputSessionPath : "");
    if (!name.empty())
        return true;
    ++m_unconverted;
    return false;
}

std::string CQIConverter::SatellitePath(const char* schemeDirectory, const std::string& name, const char* extension)
{
    std::string path = schemeDirectory ? schemeDirectory : "";
    if (!path.empty() && !platform::EndsWithSeparator(path))
        path.push_back(platform::kPathSeparator);
    return path + name + extension;
}
