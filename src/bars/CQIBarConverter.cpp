#include "bars/CQIBarConverter.h"

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
