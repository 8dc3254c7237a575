#pragma once
// Base of every converter: the run context the dispatcher sets before each statement, the two
// counters that feed the report's totals, and the value operations the converters share. The value
// operations reach each other through their virtual slots, so a converter that overrides one
// changes every operation that uses it.
#include "discovery/CQIUtility.h"
#include "converters/PropertyList.h"

#include <cstdint>
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
    // Translates a source value by its value kind: 1 converted (out holds the target value),
    // 0 cannot be converted, -1 nothing to write. targetFile may be null.
    virtual int TranslateValue(int kind, const std::string& source, std::string& out, const char* targetFile);
    // Copies a connection or file-transfer tool's identity from the TORQA! tool catalogues into
    // section of targetFile; out receives the tool's display name.
    virtual bool LookupToolComponent(const std::string& source, const char* section, std::string& out,
                                     const char* targetFile);
    virtual bool ParseBoolean(const std::string& source, std::string& out);
    virtual bool Unquote(const std::string& source, std::string& out);
    virtual bool DecodeString(const std::string& source, std::string& out);
    virtual std::int32_t GetIntValue(const std::string& source);

    // Report codes: 1 unrecognised property, 2 unconverted property, 3 macro that failed to convert.
    enum ReportCode { kUnrecognized = 1, kUnconverted = 2, kMacroFailed = 3 };
    // Writes one report line for the code and counts it; other codes write and count nothing.
    void ReportProperty(const char* text, int code);
    void ReportProperty(const std::string& text, int code) { ReportProperty(text.c_str(), code); }

    // Decodes a macro operand: text is either the macro text itself (isMacroFile false) or the path
    // of the QIM! macro file it runs or calls (isMacroFile true). Macros named without a folder are
    // looked for in the source session directory. Defined with the action rewriting
    // (actions/ResolveMacroReference.cpp).
    void ResolveMacroReference(const std::string& operand, std::string& text, bool& isMacroFile) const;

    // The property map row of key in group; a key without one is reported as unrecognised.
    bool FindPropertyRow(int group, const std::string& key, int& section, int& targetKey, int& kind);

    // Translates value by kind and writes it under the row's section and key of targetFile (not
    // when targetFile is empty); a value that cannot be converted is reported as key=value.
    int ConvertProperty(int kind, const std::string& key, const std::string& value, int section, int targetKey,
                        const std::string& targetFile);

    // Writes one key of an INI file the converter edits (the TORQA! session file); nothing when
    // targetFile is null or empty. Every converter writes its profile values through this.
    static bool WriteProfile(const std::string& section, const std::string& key, const std::string& value,
                             const char* targetFile);
    static bool WriteProfile(const std::string& section, const std::string& key, const std::string& value,
                             const std::string& targetFile)
    {
        return WriteProfile(section, key, value, targetFile.c_str());
    }

    // The index of text in name table tableId (1 to 8, ignoring case, first match), or -1.
    static int FindName(const std::string& text, int tableId);
    // The first property map row of (group, property): its section and key indices and value kind.
    static bool FindPropertyMapping(int group, int property, int& section, int& key, int& kind);
    // The target session's file name without folder and extension, which the files written beside
    // it take; empty counts one unconverted property (such a file needs a name).
    bool SatelliteName(const char* outputSessionPath, std::string& name);
    // schemeDirectory, a separator, name and extension.
    static std::string SatellitePath(const char* schemeDirectory, const std::string& name, const char* extension);

    // Set by the dispatcher before every statement.
    platform::File* m_reportFile = nullptr;
    std::string m_sourceSessionDir;
    std::string m_macroDirectory; // where translated macros go (the translator's macro directory)
    std::string m_statementGroup; // the statement's group name, for the notices
    CQIUtility m_utility;
    std::int32_t m_unconverted = 0;
    std::int32_t m_unrecognized = 0;
    std::int32_t m_terminalModel = 420;
};
