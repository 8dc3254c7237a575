#include "actions/MacroFiles.h"

#include "converters/CQIConverter.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Notice.h"

namespace {

std::string Subject(const CQIConverter& converter, const std::string& binding)
{
    std::string subject = converter.m_statementGroup.empty() ? std::string("A macro") : converter.m_statementGroup;
    if (!binding.empty())
        subject += " (" + binding + ")";
    return subject + ": ";
}

// Where the file was looked for, when that is not plain from the path itself.
std::string WhereLooked(const std::string& path, bool relative)
{
    const std::string local = platform::LocalName(path);
    if (relative)
        return " It was looked for as " + local + " from the working folder " + platform::WorkingFolder() + ".";
    return local == path ? std::string() : " It was looked for as " + local + ".";
}

} // namespace

bool ReadMacroFile(const CQIConverter& converter, const std::string& binding, const std::string& path,
                   const char* whenMissing, std::string& macroText)
{
    const bool relative = platform::IsRelativePath(path);
    platform::FileError error;
    if (platform::ReadWholeFile(path, macroText, &error)) {
        if (relative)
            platform::ShowWarning(Subject(converter, binding) + "the macro path \"" + path +
                                  "\" is relative: it was read as " + platform::LocalName(path) +
                                  " from the working folder " + platform::WorkingFolder() + ".");
        return true;
    }
    macroText.clear();
    error.operation = "read the macro file";
    platform::ShowWarning(Subject(converter, binding) + error.Describe() + WhereLooked(path, relative) + " " +
                          whenMissing + "; the migration report does not list it.");
    return false;
}
