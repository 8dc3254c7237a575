#include "platform/TorqaServices.h"

#include <windows.h>

namespace platform {

// The TORQA! services library, loaded on first need and kept for the process. When it is not
// installed every answer is false.
namespace {

using GetInstallPath = int(__cdecl*)(char*, unsigned);
using GetUserLanguage = bool(__cdecl*)(char*, unsigned);
using GetDirectory = bool(__cdecl*)(char*, unsigned, const char*);
constexpr unsigned kBuffer = 260;
constexpr WORD kDirectoryOrdinal = 343;

struct Services {
    GetInstallPath installPath = nullptr;
    GetUserLanguage userLanguage = nullptr;
    GetDirectory directory = nullptr;
};

const Services& Load()
{
    static const Services services = [] {
        Services s;
        if (HMODULE library = ::LoadLibraryA("KOS.dll")) {
            s.installPath = reinterpret_cast<GetInstallPath>(reinterpret_cast<void*>(::GetProcAddress(library, "KosGetInstallPath")));
            s.userLanguage = reinterpret_cast<GetUserLanguage>(reinterpret_cast<void*>(::GetProcAddress(library, "KosGetUserLanguage")));
            s.directory = reinterpret_cast<GetDirectory>(
                reinterpret_cast<void*>(::GetProcAddress(library, MAKEINTRESOURCEA(kDirectoryOrdinal))));
        }
        return s;
    }();
    return services;
}

} // namespace

bool TorqaInstallPath(std::string& out)
{
    const Services& services = Load();
    if (!services.installPath)
        return false;
    char buffer[kBuffer + 1] = "";
    services.installPath(buffer, kBuffer);
    out.assign(buffer, ::strnlen(buffer, kBuffer));
    return !out.empty();
}

bool TorqaUserLanguage(std::string& out)
{
    const Services& services = Load();
    char buffer[kBuffer + 1] = "";
    if (!services.userLanguage || !services.userLanguage(buffer, kBuffer))
        return false;
    out.assign(buffer, ::strnlen(buffer, kBuffer));
    return true;
}

bool TorqaDirectory(const std::string& typeTag, std::string& out)
{
    const Services& services = Load();
    char buffer[kBuffer + 1] = "";
    if (!services.directory || !services.directory(buffer, kBuffer, typeTag.c_str()))
        return false;
    out.assign(buffer, ::strnlen(buffer, kBuffer));
    return true;
}

} // namespace platform
