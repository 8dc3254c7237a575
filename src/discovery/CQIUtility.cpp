#include "discovery/CQIUtility.h"


namespace {
constexpr std::size_t kComponentLimit = 255;
}

void CQIUtility::SwapLong(std::uint32_t& value)
{
    value = ((value & 0xFFu) << 24) | ((value & 0xFF00u) << 8) | ((value >> 8) & 0xFF00u) | (value >> 24);
}

void CQIUtility::SwapShort(std::uint16_t& value) { value = static_cast<std::uint16_t>((value << 8) | (value >> 8)); }

CQIUtility::PathParts CQIUtility::SplitPath(const std::string& path)
{
    PathParts parts;
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':') {
        parts.drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    std::string file = rest;
    const std::size_t lastSep = rest.find_last_of("\\/");
    if (lastSep != std::string::npos) {
        parts.directory = rest.substr(0, lastSep + 1);
        file = rest.substr(lastSep + 1);
    }
    const std::size_t dot = file.find_last_of('.');
    parts.name = file.substr(0, dot);
    if (dot != std::string::npos)
        parts.extension = file.substr(dot);
    return parts;
}

bool CQIUtility::SplitPath(const std::string& path, std::string& out, int mode)
{
    const PathParts parts = SplitPath(path);
    switch (mode) {
    case 0: out = parts.name.substr(0, kComponentLimit); break;
    case 1: out = parts.drive + parts.directory.substr(0, kComponentLimit); break;
    case 2: out = parts.extension.substr(0, kComponentLimit); break;
    default: break;
    }
    return !out.empty();
}
