#include "converters/CQIUtility.h"

#include "platform/FileSystem.h"

namespace {
constexpr std::size_t kComponentLimit = 255;
}

void CQIUtility::SwapLong(std::uint32_t& value)
{
    value = ((value & 0xFFu) << 24) | ((value & 0xFF00u) << 8) | ((value >> 8) & 0xFF00u) | (value >> 24);
}

void CQIUtility::SwapShort(std::uint16_t& value) { value = static_cast<std::uint16_t>((value << 8) | (value >> 8)); }

bool CQIUtility::SplitPath(const std::string& path, std::string& out, int mode)
{
    const platform::PathParts parts = platform::SplitPath(path);
    switch (mode) {
    case 0: out = parts.name.substr(0, kComponentLimit); break;
    case 1: out = parts.drive + parts.directory.substr(0, kComponentLimit); break;
    case 2: out = parts.extension.substr(0, kComponentLimit); break;
    default: break;
    }
    return !out.empty();
}
