#pragma once
// What the QuickPad and toolbar converters share: the colour palette of their files and the session
// keys that attach a file to the session.
#include "converters/CQIConverter.h"

#include <cstdint>
#include <string>

class CQIBarConverter : public CQIConverter {
public:
    // Colours as 0x00BBGGRR.
    static constexpr std::uint32_t kBlack = 0x000000;
    static constexpr std::uint32_t kWhite = 0xFFFFFF;
    // The index of colour in the files' 16-colour palette (first exact match), or -1.
    static int PaletteIndex(std::uint32_t colour);

    // Attaches fileName to the session: [name] DependentSections=<name>1, CPType=<name>, and
    // [<name>1] <name>File=fileName. Always true.
    bool WriteDependentSection(const std::string& name, const std::string& fileName, const char* sessionPath);
};
