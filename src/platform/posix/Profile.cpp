#include "platform/Profile.h"

#include "platform/Files.h"
#include "platform/emulated/IniFile.h"

namespace platform {

std::string ReadProfileValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                             const std::string& path, std::size_t bufferSize)
{
    return IniReadValue(section, key, defaultValue, path, bufferSize);
}

bool WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                       const std::string& path)
{
    return IniWriteValue(section, key, value, path);
}

ProfileBatch::ProfileBatch() { IniBeginBatch(); }

ProfileBatch::~ProfileBatch()
{
    try {
        IniEndBatch();
    } catch (...) {
        // a notice that failed to show: the files were written or left as they were all the same
    }
}

void FlushProfiles() { IniFlush(); }

void BeginNewProfile(File& created, const std::string& content)
{
    if (!IniBeginNewFile(created.Path(), content))
        created.WriteString(content);
    created.Close();
}

} // namespace platform
