#pragma once
// The TORQA! key map (".tkm"), byte by byte: the writer (CQIKeyboardConverter) and the reader
// (DumpKeyMap, for qtcm inspect) share this layout so that both change together.
//
//   "KMAP", version 2, keyboard type (16 bits), 0
//   counted string: terminal model text; counted string: emulation library name
//   then one entry per binding to the end of the file: 'K', 1, the 26-byte record, the action text
//   (t bytes) and the description (d bytes)
//
// Every integer is big-endian; a counted string is a 16-bit byte count and the bytes.
#include <cstddef>
#include <cstdint>
#include <string>

// One binding's fixed part, in host byte order; starts as all zeros.
struct KeyRecord {
    std::uint16_t actionId = 0;          // 40000 text, 40010 macro, a command, or 0
    std::uint8_t reserved2 = 0;
    std::uint8_t modifiers = 0;          // kShift + kCtrl + kAlt
    std::uint8_t constant8 = 0;          // 8 once a key has been read into the record
    std::uint16_t scanCode = 0;          // 0x100 added for an extended key
    std::uint16_t virtualKey = 0;
    std::uint16_t reserved9 = 0;
    std::uint16_t textLength = 0;        // t
    std::uint16_t descriptionLength = 0; // d
    std::uint32_t reserved15 = 0;
    std::uint16_t scanCodeCopy = 0;      // copies of the fields at offsets 5, 7, 9 and 3
    std::uint16_t virtualKeyCopy = 0;
    std::uint16_t reserved9Copy = 0;
    std::uint8_t modifiersCopy = 0;
};

namespace keymap {

constexpr char kMagic[4] = {'K', 'M', 'A', 'P'};
constexpr std::uint8_t kVersion = 2;
constexpr std::size_t kRecordSize = 26;
constexpr char kEntryTag = 'K';
constexpr std::uint8_t kEntryType = 1;
constexpr std::uint8_t kKeyFieldsMarker = 8;
constexpr std::uint16_t kExtendedScanCode = 0x100;

// Modifier bits of a record.
constexpr std::uint8_t kShift = 1;
constexpr std::uint8_t kCtrl = 2;
constexpr std::uint8_t kAlt = 4;

// Fills the lengths and the copies of a record about to be written.
void Seal(KeyRecord& record, std::size_t textLength, std::size_t descriptionLength);
// The 26 bytes of a record, big-endian.
std::string EncodeRecord(const KeyRecord& record);
// A record from kRecordSize bytes.
KeyRecord DecodeRecord(const unsigned char* bytes);

} // namespace keymap

// qtcm inspect: a key map as text, a header line and one line per binding; false with a message
// saying what is wrong and at which byte when the bytes are not a key map or are cut short.
bool DumpKeyMap(const std::string& bytes, std::string& text, std::string& error);
