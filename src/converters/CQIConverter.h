#pragma once
// Base of every converter: the run context the dispatcher sets before each statement, the two
// counters that feed the report's totals, and the report operation.
#include "converters/CQIUtility.h"
#include "converters/PropertyList.h"

#include <string>

namespace platform {
class File;
}

class CQIConverter {
public:
    CQIConverter() = default;
    virtual ~CQIConverter() = default;
    CQIConverter(const CQIConverter&) = delete;
    CQIConverter& operator=(const CQIConverter&) = delete;

    virtual bool Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory) = 0;

    // Report codes: 1 unrecognised property, 2 unconverted property, 3 macro that failed to convert.
    enum ReportCode { kUnrecognized = 1, kUnconverted = 2, kMacroFailed = 3 };
    // Writes one report line for the code and counts it; other codes write and count nothing.
    void ReportProperty(const char* text, int code);

    // Set by the dispatcher before every statement.
    platform::File* m_reportFile = nullptr;
    std::string m_sourceSessionDir;
    CQIUtility m_utility;
    int m_unconverted = 0;
    int m_unrecognized = 0;
    int m_terminalModel = 420;
};
