#pragma once
// Converts the "Display.Attributes" statement: a pair of colour numbers per character attribute and
// the switches that say which attributes are shown in colour. Every statement also marks section
// "Color Scheme" of the TORQA! session file as a scheme of type COLDEC.
#include "converters/CQIConverter.h"

class CQIAttributeConverter : public CQIConverter {
public:
    CQIAttributeConverter() = default;
    ~CQIAttributeConverter() override = default;

    // Always true; the scheme directory is not used.
    bool Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory) override;
};
