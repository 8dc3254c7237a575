#pragma once
// Where QIM! and TORQA! keep their files: the directory and file type name lookups every converter
// embeds and the translator makes where it needs one (Locations.cpp).
#include <string>

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
};
