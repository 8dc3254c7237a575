#include "platform/Profile.h"

#include "platform/Files.h"

#include <vector>
#include <windows.h>

namespace platform {

std::string ReadProfileValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                             const std::string& path, std::size_t bufferSize)
{
    if (bufferSize == 0)
        return {};
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                                    static_cast<DWORD>(bufferSize), path.c_str());
    return std::string(buffer.data(), length);
}

bool WriteProfileValue(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path)
{
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

} // namespace platform

namespace platform {

// The real profile functions write every key at once: nothing is held back.
ProfileBatch::ProfileBatch() = default;
ProfileBatch::~ProfileBatch() = default;
void FlushProfiles() {}

void BeginNewProfile(File& created, const std::string& content)
{
    created.WriteString(content);
    created.Close();
}

} // namespace platform
