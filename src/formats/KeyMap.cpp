#include "formats/KeyMap.h"

#include "formats/Bytes.h"

#include <cstdio>

namespace formats {

namespace {

constexpr char kMagic[] = "KMAP";
constexpr unsigned kVersion = 2;
constexpr char kEntryTag = 'K';
constexpr unsigned kEntryType = 1;

void WriteRecord(ByteWriter& out, const KeyRecord& r)
{
    out.U16(r.actionId);           // 0
    out.U8(r.reserved2);           // 2
    out.U8(r.modifiers);           // 3
    out.U8(r.constant8);           // 4
    out.U16(r.scanCode);           // 5
    out.U16(r.virtualKey);         // 7
    out.U16(r.reserved9);          // 9
    out.U16(r.textLength);         // 11
    out.U16(r.descriptionLength);  // 13
    out.U32(r.reserved15);         // 15
    out.U16(r.scanCodeCopy);       // 19
    out.U16(r.virtualKeyCopy);     // 21
    out.U16(r.reserved9Copy);      // 23
    out.U8(r.modifiersCopy);       // 25
}

template <typename T>
bool Field(ByteReader& in, bool (ByteReader::*read)(unsigned&), T& field)
{
    unsigned value = 0;
    if (!(in.*read)(value))
        return false;
    field = static_cast<T>(value);
    return true;
}

bool ReadRecord(ByteReader& in, KeyRecord& r)
{
    using R = ByteReader;
    return Field(in, &R::U16, r.actionId) && Field(in, &R::U8, r.reserved2) && Field(in, &R::U8, r.modifiers) &&
           Field(in, &R::U8, r.constant8) && Field(in, &R::U16, r.scanCode) && Field(in, &R::U16, r.virtualKey) &&
           Field(in, &R::U16, r.reserved9) && Field(in, &R::U16, r.textLength) &&
           Field(in, &R::U16, r.descriptionLength) && in.U32(r.reserved15) && Field(in, &R::U16, r.scanCodeCopy) &&
           Field(in, &R::U16, r.virtualKeyCopy) && Field(in, &R::U16, r.reserved9Copy) &&
           Field(in, &R::U8, r.modifiersCopy);
}

std::string Hex(unsigned value, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
    return buffer;
}

std::string KeyText(const KeyRecord& record, KeyNamer name)
{
    std::string key = name ? name(record.scanCode) : std::string();
    if (key.empty())
        key = "(no name)";
    std::string prefixes;
    if (record.modifiers & keymap::kShift)
        prefixes += "Shift+";
    if (record.modifiers & keymap::kCtrl)
        prefixes += "Ctrl+";
    if (record.modifiers & keymap::kAlt)
        prefixes += "Alt+";
    return prefixes + key;
}

} // namespace

std::string KeyMapBytes(const KeyMap& map)
{
    ByteWriter out;
    out.Bytes(kMagic);
    out.U8(kVersion);
    out.U16(map.keyboardType);
    out.U8(0);
    out.Counted(map.model);
    out.Counted(map.library);
    for (const KeyBinding& binding : map.bindings) {
        KeyRecord record = binding.record;
        record.textLength = static_cast<std::uint16_t>(binding.text.size());
        record.descriptionLength = static_cast<std::uint16_t>(binding.description.size());
        record.reserved15 = 0;
        record.scanCodeCopy = record.scanCode;
        record.virtualKeyCopy = record.virtualKey;
        record.reserved9Copy = record.reserved9;
        record.modifiersCopy = record.modifiers;
        out.U8(kEntryTag);
        out.U8(kEntryType);
        WriteRecord(out, record);
        out.Bytes(binding.text);
        out.Bytes(binding.description);
    }
    return out.Take();
}

ReadResult ReadKeyMap(std::string_view bytes, KeyMap& map)
{
    map = KeyMap{};
    ByteReader in(bytes);
    if (!in.ExpectMagic(kMagic) || !in.ExpectVersion(kVersion))
        return in.Result();
    if (!Field(in, &ByteReader::U16, map.keyboardType) || !in.Expect8(0, "the byte after the keyboard type") ||
        !in.Counted(map.model) || !in.Counted(map.library))
        return in.Result();
    while (!in.AtEnd()) {
        KeyBinding binding;
        if (!in.Expect8(kEntryTag, "the binding's tag") || !in.Expect8(kEntryType, "the binding's type") ||
            !ReadRecord(in, binding.record) || !in.Bytes(binding.record.textLength, binding.text) ||
            !in.Bytes(binding.record.descriptionLength, binding.description))
            return in.Result();
        map.bindings.push_back(std::move(binding));
    }
    return in.Result();
}

ReadResult DumpKeyMap(std::string_view bytes, std::string& text, KeyNamer name)
{
    KeyMap map;
    text.clear();
    const ReadResult result = ReadKeyMap(bytes, map);
    if (!result)
        return result;
    text = "key map version 2, keyboard type " + std::to_string(map.keyboardType) + ", terminal model " +
           Quoted(map.model) + ", emulation library " + Quoted(map.library) + "\n";
    for (const KeyBinding& b : map.bindings) {
        const KeyRecord& r = b.record;
        const bool copiesAgree = r.scanCodeCopy == r.scanCode && r.virtualKeyCopy == r.virtualKey &&
                                 r.reserved9Copy == r.reserved9 && r.modifiersCopy == r.modifiers;
        text += KeyText(r, name) + "\tmodifiers " + std::to_string(r.modifiers) + "\tscan " + Hex(r.scanCode, 3) +
                "\tvk " + Hex(r.virtualKey, 2) + "\taction " + std::to_string(r.actionId) + "\ttext " + Quoted(b.text) +
                "\tdescription " + Quoted(b.description) + (copiesAgree ? "" : "\t(copied key fields differ)") + "\n";
    }
    const std::size_t n = map.bindings.size();
    text += std::to_string(n) + (n == 1 ? " binding\n" : " bindings\n");
    return result;
}

} // namespace formats
