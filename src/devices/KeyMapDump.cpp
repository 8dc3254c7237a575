#include "devices/KeyMapFormat.h"
#include "devices/KeyNames.h"

#include <cstdio>
#include <cstring>

// The reader side of the key map: every field checked against what is left of the file, so that a
// file cut short or of another kind ends in a message naming the byte, never in a read past it.

namespace {

std::string Hex(unsigned value, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
    return buffer;
}

// Bytes in double quotes; a quote, a backslash and every byte outside printable ASCII escaped.
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (byte < 0x20 || byte > 0x7E) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", byte);
            out += buffer;
        } else {
            out.push_back(c);
        }
    }
    return out + "\"";
}

class Reader {
public:
    explicit Reader(const std::string& bytes) : m_bytes(bytes) {}
    std::size_t Offset() const { return m_at; }
    bool AtEnd() const { return m_at >= m_bytes.size(); }
    bool Has(std::size_t count) const { return m_bytes.size() - m_at >= count; }
    const unsigned char* Take(std::size_t count)
    {
        const auto* bytes = reinterpret_cast<const unsigned char*>(m_bytes.data()) + m_at;
        m_at += count;
        return bytes;
    }
    // A counted string; false when the file ends inside it.
    bool CountedString(std::string& out)
    {
        if (!Has(2))
            return false;
        const unsigned char* count = Take(2);
        const std::size_t length = static_cast<std::size_t>(count[0] << 8 | count[1]);
        if (!Has(length))
            return false;
        out.assign(m_bytes, m_at, length);
        m_at += length;
        return true;
    }

private:
    const std::string& m_bytes;
    std::size_t m_at = 0;
};

std::string KeyText(const KeyRecord& record)
{
    std::string name = KeyNameForScanCode(record.scanCode);
    if (name.empty())
        name = "(no name)";
    std::string prefixes;
    if (record.modifiers & keymap::kShift)
        prefixes += "Shift+";
    if (record.modifiers & keymap::kCtrl)
        prefixes += "Ctrl+";
    if (record.modifiers & keymap::kAlt)
        prefixes += "Alt+";
    return prefixes + name;
}

std::string CutShort(const char* where, std::size_t offset)
{
    return std::string("cut short in ") + where + " at byte " + std::to_string(offset);
}

} // namespace

bool DumpKeyMap(const std::string& bytes, std::string& text, std::string& error)
{
    Reader in(bytes);
    if (!in.Has(sizeof keymap::kMagic) || std::memcmp(bytes.data(), keymap::kMagic, sizeof keymap::kMagic) != 0) {
        error = "it does not start with \"KMAP\"";
        return false;
    }
    in.Take(sizeof keymap::kMagic);
    if (!in.Has(4)) {
        error = CutShort("the header", in.Offset());
        return false;
    }
    const unsigned char* fixed = in.Take(4);
    if (fixed[0] != keymap::kVersion) {
        error = "version " + std::to_string(fixed[0]) + " at byte 4, only version 2 is known";
        return false;
    }
    const unsigned keyboardType = static_cast<unsigned>(fixed[1] << 8 | fixed[2]);
    std::string model, library;
    if (!in.CountedString(model)) {
        error = CutShort("the terminal model", in.Offset());
        return false;
    }
    if (!in.CountedString(library)) {
        error = CutShort("the emulation library name", in.Offset());
        return false;
    }

    std::string out = "key map version 2, keyboard type " + std::to_string(keyboardType) + ", terminal model " +
                      Quoted(model) + ", emulation library " + Quoted(library) + "\n";
    unsigned entries = 0;
    while (!in.AtEnd()) {
        const std::size_t start = in.Offset();
        const std::string entry = "binding " + std::to_string(entries + 1);
        if (!in.Has(2 + keymap::kRecordSize)) {
            error = CutShort(entry.c_str(), start);
            return false;
        }
        const unsigned char* tag = in.Take(2);
        if (tag[0] != static_cast<unsigned char>(keymap::kEntryTag) || tag[1] != keymap::kEntryType) {
            error = entry + " at byte " + std::to_string(start) + " does not start with 'K' 1";
            return false;
        }
        const KeyRecord record = keymap::DecodeRecord(in.Take(keymap::kRecordSize));
        if (!in.Has(static_cast<std::size_t>(record.textLength) + record.descriptionLength)) {
            error = CutShort((entry + " (its texts)").c_str(), in.Offset());
            return false;
        }
        const std::string actionText(reinterpret_cast<const char*>(in.Take(record.textLength)), record.textLength);
        const std::string description(reinterpret_cast<const char*>(in.Take(record.descriptionLength)),
                                      record.descriptionLength);
        const bool copiesAgree = record.scanCodeCopy == record.scanCode && record.virtualKeyCopy == record.virtualKey &&
                                 record.reserved9Copy == record.reserved9 && record.modifiersCopy == record.modifiers;
        out += KeyText(record) + "\tmodifiers " + std::to_string(record.modifiers) + "\tscan " +
               Hex(record.scanCode, 3) + "\tvk " + Hex(record.virtualKey, 2) + "\taction " +
               std::to_string(record.actionId) + "\ttext " + Quoted(actionText) + "\tdescription " +
               Quoted(description) + (copiesAgree ? "" : "\t(copied key fields differ)") + "\n";
        ++entries;
    }
    out += std::to_string(entries) + (entries == 1 ? " binding\n" : " bindings\n");
    text = out;
    return true;
}
