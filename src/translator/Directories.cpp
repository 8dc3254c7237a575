#include "discovery/CQIUtility.h"
#include "platform/FileSystem.h"
#include "translator/CQITranslator.h"

namespace {

struct DirectoryInfo {
    const char* filter;
    unsigned typeNameId;
};

constexpr DirectoryInfo kDirectories[4] = {
    {"*.QTC", 5},
    {"*.TDP", CQIUtility::kTorqaSessionDir},
    {"*.TKM|*.TTB|*.TDC|*.TQP", CQIUtility::kTorqaSchemeDir},
    {"*.TBM", CQIUtility::kTorqaMacroDir},
};

// The QIM! session directory: the current user's before the default user's, the session directory
// before the common one, the VT edition before the HP edition.
constexpr unsigned kSourceLookups[] = {5, 7, 6, 8, 13, 15, 14, 16};

// A TORQA! directory is looked up only while it is unknown, and kept only when it can be written.
void FindTarget(std::string& directory, unsigned identifier)
{
    if (!directory.empty())
        return;
    if (!CQIUtility().GetLocation(identifier, directory) || directory.empty() || !platform::CanWrite(directory))
        directory.clear();
}

} // namespace

bool CQITranslator::GetDirPathsFromReg()
{
    if (m_sourceSessionDir.empty() || !platform::CanRead(m_sourceSessionDir)) {
        const CQIUtility utility;
        bool found = false;
        for (const unsigned identifier : kSourceLookups) {
            if (utility.GetLocation(identifier, m_sourceSessionDir) && !m_sourceSessionDir.empty() &&
                platform::CanRead(m_sourceSessionDir)) {
                found = true;
                break;
            }
        }
        if (!found)
            m_sourceSessionDir.clear();
    }
    FindTarget(m_targetSessionDir, CQIUtility::kTorqaSessionDir);
    FindTarget(m_targetSchemeDir, CQIUtility::kTorqaSchemeDir);
    FindTarget(m_targetMacroDir, CQIUtility::kTorqaMacroDir);
    return !m_sourceSessionDir.empty() && !m_targetSessionDir.empty() && !m_targetSchemeDir.empty() &&
           !m_targetMacroDir.empty();
}

bool CQITranslator::Directories(unsigned index, std::string& typeName, std::string& directory,
                                std::string& filter) const
{
    if (index > 3)
        return false;
    CQIUtility().GetFileTypeName(kDirectories[index].typeNameId, typeName);
    const std::string* members[4] = {&m_sourceSessionDir, &m_targetSessionDir, &m_targetSchemeDir, &m_targetMacroDir};
    directory = *members[index];
    filter = kDirectories[index].filter;
    return true;
}

bool CQITranslator::SetDirPath(unsigned index, const char* path)
{
    std::string* members[4] = {&m_sourceSessionDir, &m_targetSessionDir, &m_targetSchemeDir, &m_targetMacroDir};
    if (index > 3)
        return false;
    *members[index] = path ? path : "";
    return true;
}
