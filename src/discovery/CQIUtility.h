#pragma once
// Small stateless helpers every converter embeds and the translator makes where it needs one:
// byte order, path parts, and the lookups of directories and file type names (Locations.cpp).
#include <cstdint>
#include <string>

namespace platform {
struct FontSpec;
struct TextExtent;
} // namespace platform

class CQIUtility {
public:
    virtual ~CQIUtility() = default;

    // Location identifiers of GetLocation.
    enum : unsigned {
        kVtClassName = 2, kHpClassName = 10,
        kTorqaMacroDir = 18, kTorqaSessionDir = 20, kTorqaSchemeDir = 22, kTorqaInstallPath = 26,
    };

    bool GetLocation(unsigned identifier, std::string& out) const;
    bool GetFileTypeName(unsigned identifier, std::string& out) const;

    static void SwapLong(std::uint32_t& value);
    static void SwapShort(std::uint16_t& value);

    // A path split into drive ("C:"), directory (with its trailing separator), name and extension
    // (with its dot). Both '\\' and '/' separate on every platform, so Windows paths split the same
    // anywhere. The one path splitter of the library: every other split goes through it.
    struct PathParts {
        std::string drive, directory, name, extension;
    };
    static PathParts SplitPath(const std::string& path);
    // mode 0: name without folder and extension; 1: drive and folder with its trailing separator;
    // 2: extension with its dot. Any other mode leaves out alone. True when out is not empty.
    static bool SplitPath(const std::string& path, std::string& out, int mode);

    // The size in screen pixels of a button that holds widthInChars letters "W" of font, with its
    // borders (defined with the bars, which use them).
    void MeasureButton(const platform::FontSpec& font, platform::TextExtent& size, int widthInChars) const;
    // Screen pixels on one axis in the bar files' unit, 1/288 inch.
    static int ScalePixels(int pixels, bool horizontal);
};
