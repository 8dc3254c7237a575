#pragma once
// Read-only vocabulary of the conversion: the names that can occur in a source
// session file, the section and key names of the target session file, the
// target file extensions, the macro keywords, and the property map that ties
// each known source property to its target key and value kind.
//
// A name's index is its position in its table. Lookups compare names ignoring
// case and take the first match; writers use the exact spelling stored here.

#include <cstddef>
#include <cstdint>
#include <string>

struct NameTable {
    const char* const* names;
    std::size_t count;
};

// One property map row. group indexes GroupNames; for group 0 (single-value
// statements) property indexes StatementNames, otherwise PropertyNames.
// section and key index SectionNames and KeyNames, 0 meaning none; a key of 0
// marks a property that is known but not carried over. kind selects the value
// translation.
struct PropertyMapRow {
    std::int32_t group;
    std::int32_t property;
    std::int32_t section;
    std::int32_t key;
    std::int32_t kind;
};

// Table identifiers as the name lookup uses them. 7 names no table.
enum NameTableId : int {
    kStatementNames = 1,
    kGroupNames = 2,
    kPropertyNames = 3,
    kSectionNames = 4,
    kKeyNames = 5,
    kFileExtensions = 6,
    kMacroKeywords = 8,
};

// Entry 0 of every table except MacroKeywords is the empty string.
extern const char* const StatementNames[14];
extern const char* const GroupNames[55];
extern const char* const PropertyNames[306];
extern const char* const SectionNames[15];
extern const char* const KeyNames[409];
extern const char* const FileExtensions[8];
extern const char* const MacroKeywords[142];

// Some rows repeat an earlier row exactly; a first-match lookup never reaches them.
extern const PropertyMapRow PropertyMap[373];

// The table for an identifier 1..8; 7 and anything outside 1..8 give {nullptr, 0}.
NameTable GetNameTable(int tableId);

// The index of the first entry equal to text ignoring case, or -1; through an index built once.
int IndexInNameTable(const std::string& text, int tableId);
// The first property map row for the pair, or nullptr; through an index built once.
const PropertyMapRow* FirstPropertyMapRow(int group, int property);
