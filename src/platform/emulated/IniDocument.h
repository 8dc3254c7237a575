#pragma once
// One INI file held in memory, edited with the rules of the Windows profile functions (see
// IniFile.h). The lines are kept by section, and each section knows where its keys are, so a read
// or a write costs the same in a file of ten lines and in one of ten thousand.
//
// What the document holds is always what parsing its own bytes would give, so a run of edits on
// one copy leaves the bytes that a fresh parse and rewrite of the file for every key would leave.
#include "platform/AsciiCase.h"

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(const std::string& content) { Parse(content); }

    void Parse(const std::string& content);
    std::string Serialize() const;

    // The value of the first key of that name in the first section of that name, trimmed of the
    // blanks around it; false when there is none.
    bool Find(const std::string& section, const std::string& key, std::string& value) const;
    // Replaces the key's value in place, or adds the key after the last key of its section, or
    // adds the section at the end. newFileLineEnd ends the added lines of a file that has no
    // line end yet.
    void Write(const std::string& section, const std::string& key, const std::string& value,
               const char* newFileLineEnd);

private:
    enum End : unsigned char { kNone, kLf, kCrLf };
    struct Line {
        std::string text; // without its line end
        End end = kNone;  // kNone only for a last line without one
    };
    struct Section {
        Line header;
        std::vector<Line> body;
        NoCaseMap<std::size_t> keys; // key -> first body line with it
        long lastEntry = -1;                                // last non-blank body line; -1: none
    };

    static const char* EndText(End end);
    // Whether a line we made or changed reads back as the same one line of the expected kind; a
    // line whose text ends in a carriage return is held as the parse would hold it.
    static bool ReadsBackAs(Line& line, bool header);
    Line& LastLine();
    std::string FirstLineEnd(const char* newFileLineEnd) const;
    void Reparse() { Parse(Serialize()); }

    std::vector<Line> m_prelude; // lines before the first section
    std::vector<Section> m_sections;
    NoCaseMap<std::size_t> m_firstSection; // name -> first section
};

} // namespace platform
