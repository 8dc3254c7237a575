#include "bars/CQIBarConverter.h"

#include "platform/FileSystem.h"
#include "platform/Notice.h"

namespace {

// The 16 colours of the bar files' palette, searched in this order.
constexpr std::uint32_t kPalette[] = {
    0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF, 0x00FFFF, 0xFFFFFF,
    0x800000, 0x808000, 0x008000, 0x800080, 0x000080, 0x008080, 0x808080, 0xC0C0C0,
};

} // namespace

int CQIBarConverter::PaletteIndex(std::uint32_t colour)
{
    for (std::size_t i = 0; i < std::size(kPalette); ++i)
        if (kPalette[i] == colour)
            return static_cast<int>(i);
    return -1;
}

bool CQIBarConverter::WriteDependentSection(const std::string& name, const std::string& fileName,
                                            const char* sessionPath)
{
    WriteProfile(name, "DependentSections", name + "1", sessionPath);
    WriteProfile(name, "CPType", name, sessionPath);
    WriteProfile(name + "1", name + "File", fileName, sessionPath);
    return true;
}

bool CQIBarConverter::SatelliteName(const char* outputSessionPath, std::string& name)
{
    name.clear();
    if (!CQIUtility::SplitPath(outputSessionPath ? outputSessionPath : "", name, 0)) {
        ++m_unconverted;
        return false;
    }
    return true;
}

std::string CQIBarConverter::SatellitePath(const char* schemeDirectory, const std::string& name, const char* extension)
{
    std::string path = schemeDirectory ? schemeDirectory : "";
    if (!path.empty() && !platform::EndsWithSeparator(path))
        path.push_back(platform::kPathSeparator);
    return path + name + extension;
}

bool CQIBarConverter::SaveBinaryFile(const std::string& path, const std::string& bytes)
{
    platform::FileError error;
    if (!m_outputFile.Open(path, platform::OpenMode::BinaryCreate, false, error)) {
        platform::ShowFileError(error);
        return false;
    }
    try {
        m_outputFile.Write(bytes.data(), bytes.size());
        m_outputFile.Close();
    } catch (const platform::FileException& failure) {
        try {
            m_outputFile.Close();
        } catch (const platform::FileException&) {
        }
        platform::RemoveFile(path);
        platform::ShowFileError(failure.Error());
        return false;
    }
    return true;
}
