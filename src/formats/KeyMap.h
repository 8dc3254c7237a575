#pragma once
// The TORQA! key map (".tkm"): its fields, the writer that lays them out, the reader and the text
// dump (qtcm inspect) that read them back.
//
//   "KMAP", version 2, keyboard type (16 bits), 0
//   counted string: terminal model text; counted string: emulation library name
//   then one entry per binding to the end of the file: 'K', 1, the 26-byte record, the action text
//   (t bytes) and the description (d bytes)
//
// Every integer is big-endian; a counted string is a 16-bit byte count and the bytes.
#include "formats/ReadResult.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// One binding's fixed part, in host byte order; starts as all zeros.
struct KeyRecord {
    std::uint16_t actionId = 0;          // 40000 text, 40010 macro, a command, or 0
    std::uint8_t reserved2 = 0;
    std::uint8_t modifiers = 0;          // kShift + kCtrl + kAlt
    std::uint8_t constant8 = 0;          // 8 once a key has been read into the record
    std::uint16_t scanCode = 0;          // kExtendedScanCode added for an extended key
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
constexpr std::uint8_t kKeyFieldsMarker = 8;
constexpr std::uint16_t kExtendedScanCode = 0x100;
// Modifier bits of a record.
constexpr std::uint8_t kShift = 1;
constexpr std::uint8_t kCtrl = 2;
constexpr std::uint8_t kAlt = 4;
} // namespace keymap

struct KeyBinding {
    KeyRecord record; // the writer fills its lengths and copies
    std::string text;
    std::string description;
};

struct KeyMap {
    std::uint16_t keyboardType = 0;
    std::string model;   // terminal model text
    std::string library; // emulation library name
    std::vector<KeyBinding> bindings;
};

// The file's bytes; each record's lengths and copies are filled in from its binding.
std::string KeyMapBytes(const KeyMap& map);
// The map as written, records as they stand in the file.
ReadResult ReadKeyMap(std::string_view bytes, KeyMap& map);

// The display name of the key with a scan code (kExtendedScanCode added for an extended key), or
// empty; the platform knows the names.
using KeyNamer = std::string (*)(std::uint32_t scanCode);
// A header line and one line per binding, keys named by name (when given).
ReadResult DumpKeyMap(std::string_view bytes, std::string& text, KeyNamer name = nullptr);

} // namespace formats
