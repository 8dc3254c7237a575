#include "devices/KeyMapFormat.h"

namespace keymap {

namespace {

void Put16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value >> 8));
    out.push_back(static_cast<char>(value & 0xFF));
}

void Put32(std::string& out, std::uint32_t value)
{
    Put16(out, static_cast<std::uint16_t>(value >> 16));
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
}

std::uint16_t Get16(const unsigned char* bytes) { return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]); }

std::uint32_t Get32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(Get16(bytes)) << 16 | Get16(bytes + 2);
}

} // namespace

void Seal(KeyRecord& record, std::size_t textLength, std::size_t descriptionLength)
{
    record.textLength = static_cast<std::uint16_t>(textLength);
    record.descriptionLength = static_cast<std::uint16_t>(descriptionLength);
    record.reserved15 = 0;
    record.scanCodeCopy = record.scanCode;
    record.virtualKeyCopy = record.virtualKey;
    record.reserved9Copy = record.reserved9;
    record.modifiersCopy = record.modifiers;
}

std::string EncodeRecord(const KeyRecord& record)
{
    std::string out;
    out.reserve(kRecordSize);
    Put16(out, record.actionId);                        // 0
    out.push_back(static_cast<char>(record.reserved2)); // 2
    out.push_back(static_cast<char>(record.modifiers)); // 3
    out.push_back(static_cast<char>(record.constant8)); // 4
    Put16(out, record.scanCode);                        // 5
    Put16(out, record.virtualKey);                      // 7
    Put16(out, record.reserved9);                       // 9
    Put16(out, record.textLength);                      // 11
    Put16(out, record.descriptionLength);               // 13
    Put32(out, record.reserved15);                      // 15
    Put16(out, record.scanCodeCopy);                    // 19
    Put16(out, record.virtualKeyCopy);                  // 21
    Put16(out, record.reserved9Copy);                   // 23
    out.push_back(static_cast<char>(record.modifiersCopy)); // 25
    return out;
}

KeyRecord DecodeRecord(const unsigned char* bytes)
{
    KeyRecord record;
    record.actionId = Get16(bytes);
    record.reserved2 = bytes[2];
    record.modifiers = bytes[3];
    record.constant8 = bytes[4];
    record.scanCode = Get16(bytes + 5);
    record.virtualKey = Get16(bytes + 7);
    record.reserved9 = Get16(bytes + 9);
    record.textLength = Get16(bytes + 11);
    record.descriptionLength = Get16(bytes + 13);
    record.reserved15 = Get32(bytes + 15);
    record.scanCodeCopy = Get16(bytes + 19);
    record.virtualKeyCopy = Get16(bytes + 21);
    record.reserved9Copy = Get16(bytes + 23);
    record.modifiersCopy = bytes[25];
    return record;
}

} // namespace keymap
