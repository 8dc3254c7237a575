#include "platform/posix/FolderListing.h"

#include "platform/AsciiCase.h"

#include <cstring>

namespace platform {

unsigned char UpperByte(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return c;
    }
}

std::string NameKeyOf(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
    return key;
}

bool AnsiFormOfUtf8(std::string_view name, std::string& ansi)
{
    static const unsigned kHigh[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    ansi.clear();
    bool wide = false;
    for (std::size_t i = 0; i < name.size();) {
        const unsigned char lead = static_cast<unsigned char>(name[i]);
        if (lead < 0x80) {
            ansi.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || i + length > name.size())
            return false;
        unsigned cp = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(name[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        i += length;
        wide = true;
        if (cp >= 0xA0 && cp <= 0xFF) {
            ansi.push_back(static_cast<char>(cp));
            continue;
        }
        unsigned byte = 0;
        while (byte < 32 && kHigh[byte] != cp)
            ++byte;
        if (byte == 32 || cp == 0)
            return false;
        ansi.push_back(static_cast<char>(0x80 + byte));
    }
    return wide;
}

namespace {

// Any spelling of a key hashes alike.
std::size_t KeyHash(std::string_view name)
{
    const std::uint64_t hash = FoldedHash(name, [](char c) { return UpperByte(static_cast<unsigned char>(c)); });
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

bool SameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperByte(static_cast<unsigned char>(a[i])) != UpperByte(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::string_view FolderListing::NameAt(std::uint32_t slot) const
{
    const char* name = m_names.data() + ((slot & ~kAnsiKey) - 1);
    return std::string_view(name, std::strlen(name));
}

std::string_view FolderListing::KeyText(std::uint32_t slot, std::string& scratch) const
{
    if (!(slot & kAnsiKey))
        return NameAt(slot);
    AnsiFormOfUtf8(NameAt(slot), scratch);
    return scratch;
}

std::size_t FolderListing::SlotOf(std::string_view key) const
{
    const std::size_t mask = m_slots.size() - 1;
    std::string scratch;
    for (std::size_t at = KeyHash(key) & mask;; at = (at + 1) & mask)
        if (m_slots[at] == 0 || SameKey(KeyText(m_slots[at], scratch), key))
            return at;
}

std::string_view FolderListing::Find(std::string_view name) const
{
    if (m_slots.empty())
        return {};
    const std::uint32_t slot = m_slots[SlotOf(name)];
    return slot == 0 ? std::string_view() : NameAt(slot);
}

void FolderListing::Grow()
{
    std::vector<std::uint32_t> old(m_slots.size() < 16 ? 16 : m_slots.size() * 2, 0);
    old.swap(m_slots);
    std::string scratch;
    for (const std::uint32_t slot : old)
        if (slot != 0)
            m_slots[SlotOf(KeyText(slot, scratch))] = slot;
}

void FolderListing::Put(std::string_view key, std::uint32_t entry)
{
    if ((m_used + 1) * 2 > m_slots.size())
        Grow();
    std::uint32_t& slot = m_slots[SlotOf(key)];
    if (slot == 0) {
        slot = entry;
        ++m_used;
    } else if (NameAt(entry) < NameAt(slot)) {
        slot = entry;
    }
}

void FolderListing::Add(std::string_view name)
{
    std::string ansi;
    const bool wide = AnsiFormOfUtf8(name, ansi);
    // A name held already (a file written again), or a twin that comes later in byte order than the
    // one held under each of its keys, changes nothing: the block keeps every name once.
    const auto wins = [&](std::string_view key) {
        const std::string_view held = Find(key);
        return held.empty() || name < held;
    };
    if (!wins(name) && !(wide && wins(ansi)))
        return;
    if (m_names.size() + name.size() + 1 >= kAnsiKey)
        return; // past 2 GB of names (tens of millions of files in one folder) the listing holds no more
    const std::uint32_t entry = static_cast<std::uint32_t>(m_names.size() + 1);
    m_names.append(name).push_back('\0');
    Put(name, entry);
    if (wide)
        Put(ansi, entry | kAnsiKey);
}

bool FolderListing::KeysIn(const FolderListing& other) const
{
    std::string scratch;
    for (const std::uint32_t slot : m_slots)
        if (slot != 0 && !other.Contains(KeyText(slot, scratch)))
            return false;
    return true;
}

} // namespace platform
