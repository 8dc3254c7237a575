#include "converters/NameTables.h"

namespace {

template <std::size_t N>
constexpr NameTable MakeTable(const char* const (&names)[N]) {
    return NameTable{names, N};
}

}  // namespace

NameTable GetNameTable(int tableId) {
    switch (tableId) {
        case kStatementNames: return MakeTable(StatementNames);
        case kGroupNames: return MakeTable(GroupNames);
        case kPropertyNames: return MakeTable(PropertyNames);
        case kSectionNames: return MakeTable(SectionNames);
        case kKeyNames: return MakeTable(KeyNames);
        case kFileExtensions: return MakeTable(FileExtensions);
        case kMacroKeywords: return MakeTable(MacroKeywords);
        default: return NameTable{nullptr, 0};
    }
}
