#include "converters/NameTables.h"

#include "platform/AsciiCase.h"

#include <unordered_map>

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

namespace {

constexpr int kLastTableId = kMacroKeywords;

// Name (any case) -> index of its first entry: the tables hold a few names twice (in other
// spellings), and a lookup answers the first, as a scan from the top would.
using NameIndex = NoCaseMap<int>;

const NameIndex& IndexOf(int tableId) {
    static const auto indexes = [] {
        std::unordered_map<int, NameIndex> built;
        for (int id = 1; id <= kLastTableId; ++id) {
            const NameTable table = GetNameTable(id);
            NameIndex& index = built[id];
            for (std::size_t i = 0; i < table.count; ++i)
                index.emplace(table.names[i], static_cast<int>(i));
        }
        return built;
    }();
    return indexes.at(tableId);
}

}  // namespace

int IndexInNameTable(const std::string& text, int tableId) {
    if (tableId < 1 || tableId > kLastTableId)
        return -1;
    const NameIndex& index = IndexOf(tableId);
    const auto found = index.find(std::string_view(text));
    return found == index.end() ? -1 : found->second;
}

const PropertyMapRow* FirstPropertyMapRow(int group, int property) {
    // (group, property) -> the first row for the pair; later equal rows are never found.
    static const auto index = [] {
        std::unordered_map<std::uint64_t, const PropertyMapRow*> built;
        for (const PropertyMapRow& row : PropertyMap)
            built.emplace((static_cast<std::uint64_t>(static_cast<std::uint32_t>(row.group)) << 32) |
                              static_cast<std::uint32_t>(row.property),
                          &row);
        return built;
    }();
    const auto found = index.find((static_cast<std::uint64_t>(static_cast<std::uint32_t>(group)) << 32) |
                                  static_cast<std::uint32_t>(property));
    return found == index.end() ? nullptr : found->second;
}
