#pragma once
// What the QuickPad and toolbar converters share: the colour palette of their files, the session
// keys that attach a file to the session, and the writing of a finished file into the scheme folder.
#include "converters/CQIConverter.h"
#include "platform/Files.h"

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

protected:
    // The target session's file name without folder and extension; empty counts one unconverted
    // property (a satellite file needs a name).
    bool SatelliteName(const char* outputSessionPath, std::string& name);
    // schemeDirectory, a separator, name and extension.
    static std::string SatellitePath(const char* schemeDirectory, const std::string& name, const char* extension);
    // Creates path with bytes as its whole content. A file that cannot be created or written is
    // shown to the user as a file error, and no part of it is left behind.
    bool SaveBinaryFile(const std::string& path, const std::string& bytes);

    platform::File m_outputFile; // open only while a file is written
};
