#include "menus/CQIMenuConverter.h"

#include "converters/NameTables.h"
#include "platform/AsciiCase.h"

namespace {

// The TORQA! main menu is resource 130 of this library in the TORQA! installation folder.
constexpr const char* kResourceLibrary = "torqa.dlr";
constexpr unsigned kMainMenu = 130;

constexpr const char* kSourceSpelling[CQIMenuConverter::kSourceNameCount] = {
    "Position", "Hide", "Add", "Dim", "Check", "Value", "Caption"};
constexpr const char* kTargetSpelling[CQIMenuConverter::kTargetNameCount] = {
    "Caption", "Intrinsic", "Position", "ActionID", "Hidden", "Enabled", "Checked"};

const char* TableName(const char* const* table, int index) { return index >= 0 ? table[index] : ""; }

} // namespace

const std::string& MenuToken(const PropertyList& tokens, int index)
{
    return ValueAt(tokens, index < 0 ? tokens.size() : static_cast<std::size_t>(index));
}

CQIMenuConverter::CQIMenuConverter()
{
    m_systemMenuGroup = FindName("SystemMenu", kGroupNames);
    for (int i = 0; i < kSourceNameCount; ++i)
        m_sourceNames[i] = FindName(kSourceSpelling[i], kPropertyNames);
    m_menuExtension = FindName("cmu", kFileExtensions);
    for (int i = 0; i < kTargetNameCount; ++i)
        m_targetKeys[i] = FindName(kTargetSpelling[i], kKeyNames);

    // The installation path ends in a separator; the library name is appended as it is.
    std::string install;
    if (m_utility.GetLocation(CQIUtility::kTorqaInstallPath, install))
        m_menuTemplate = platform::LoadMenuTemplate(install + kResourceLibrary, kMainMenu);
}

CQIMenuConverter::~CQIMenuConverter() = default;

const char* CQIMenuConverter::Source(SourceName name) const { return TableName(PropertyNames, m_sourceNames[name]); }
const char* CQIMenuConverter::Target(TargetName name) const { return TableName(KeyNames, m_targetKeys[name]); }
const char* CQIMenuConverter::SystemMenuName() const { return TableName(GroupNames, m_systemMenuGroup); }

bool CQIMenuConverter::IsSource(const std::string& token, SourceName name) const
{
    return EqualsNoCase(token, Source(name));
}

bool CQIMenuConverter::ReadPair(const PropertyList& tokens, int& index, std::string& name, std::string& value)
{
    // Once the end is reached (-1) a pair is never read again from the start.
    if (index < 0)
        index = static_cast<int>(tokens.size());
    const bool complete = static_cast<std::size_t>(index) + 2 < tokens.size();
    Unquote(MenuToken(tokens, ++index), name);
    Unquote(MenuToken(tokens, ++index), value);
    return complete;
}

bool CQIMenuConverter::Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory)
{
    const std::string session = outputSessionPath ? outputSessionPath : "";
    // The file name with the separator in front of it. The session path is a local path: on
    // systems whose separator is "/" that one counts as well as "\".
    const std::size_t separator = session.find_last_of("\\/");
    std::string name = UpperCase(separator == std::string::npos ? session : session.substr(separator));
    const std::string extension = TableName(FileExtensions, m_menuExtension);
    for (std::size_t at = name.find("TDP"); at != std::string::npos; at = name.find("TDP", at + extension.size()))
        name.replace(at, 3, extension);

    const std::string documentPath = std::string(schemeDirectory ? schemeDirectory : "") + name;
    std::string keyValue;
    for (char c : name)
        if (c != '\\' && c != '/')
            keyValue.push_back(c);

    if (!WriteMenuDocument(properties, documentPath))
        return false;
    WriteProfile("Session", "Menu", keyValue, outputSessionPath);
    WriteProfile("Session", "UseCustomMenu", "1", outputSessionPath);
    return true;
}
