#pragma once
// The names of one folder, kept for look-ups that ignore case as Windows does (see
// WindowsNames.cpp). The output folders of a large migration hold hundreds of thousands of names,
// so a listing is kept packed: every name once, in one block of text, and an open-addressed table
// of where each one starts.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Windows-1252 upper case: ASCII, the accented letters of 0xE0 to 0xFE (but the division sign),
// and the four letters of the 0x80 row.
unsigned char UpperByte(unsigned char c);
// A name as the look-up compares it: every byte in upper case.
std::string NameKeyOf(std::string_view name);
// The Windows-1252 form of a name stored in UTF-8; false when it is no such name (pure ASCII,
// broken UTF-8, or a character the code page lacks).
bool AnsiFormOfUtf8(std::string_view name, std::string& ansi);

class FolderListing {
public:
    // An entry is found under its own name and, when it is stored in UTF-8, under its
    // Windows-1252 form, both ignoring case. Of entries found under one key, the first in byte
    // order is kept ("LOGON.QTM" before "Logon.qtm"), whatever order the folder lists them in.
    void Add(std::string_view name);
    // The entry found under name in any case; empty when there is none. The view holds until the
    // next Add.
    std::string_view Find(std::string_view name) const;
    bool Contains(std::string_view name) const { return !Find(name).empty(); }
    // Whether every entry of this listing is found in other under the same key.
    bool KeysIn(const FolderListing& other) const;

private:
    static constexpr std::uint32_t kAnsiKey = 0x80000000u; // the slot keys its entry's Windows-1252 form

    std::string_view NameAt(std::uint32_t slot) const;
    // The spelling a slot is keyed by: its entry's name, or that name's Windows-1252 form.
    std::string_view KeyText(std::uint32_t slot, std::string& scratch) const;
    // The slot where key is, or the empty one where it would go.
    std::size_t SlotOf(std::string_view key) const;
    void Put(std::string_view key, std::uint32_t entry);
    void Grow();

    std::string m_names;                // every entry, each ended by a NUL
    std::vector<std::uint32_t> m_slots; // 0: empty; else the entry's offset + 1, with kAnsiKey
    std::size_t m_used = 0;
};

} // namespace platform
