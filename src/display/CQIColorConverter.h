#pragma once
// Converts the "Display.Colors" statement: the VT colour map and the two colour switches, all into
// section "Terminal" of the TORQA! session file.
#include "converters/CQIConverter.h"

class CQIColorConverter : public CQIConverter {
public:
    CQIColorConverter() = default;
    ~CQIColorConverter() override = default;

    // Always true; the scheme directory is not used.
    bool Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory) override;
};
