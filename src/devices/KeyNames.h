#pragma once
// PC keys named as a QIM! key binding names them: a bracketed hexadecimal key code ("Insert [12D]")
// or a display name with modifier prefixes ("Shift+F1"), turned into the key fields of a key map
// record. Display names are looked up in a process-wide table built once from the platform's key
// names.
#include "formats/KeyMap.h"

#include <cstdint>
#include <string>

// Bits of a key code: the virtual-key code in the low byte, then these.
constexpr std::uint32_t kKeyCodeExtended = 0x100;
constexpr std::uint32_t kKeyCodeCtrl = 0x200;
constexpr std::uint32_t kKeyCodeShift = 0x400;
constexpr std::uint32_t kKeyCodeAlt = 0x800;

// Fills the modifiers, the marker 8, the scan code and the virtual-key code of record from the key
// text. Never fails: a key that cannot be read gives zeros (and the marker).
void ParseKeyName(const std::string& text, formats::KeyRecord& record);
// Fills the table on the first call; later calls do nothing.
void EnsureKeyNameTable();
// The key code of a display name with its prefixes ("Shift+", "Ctrl+", "Alt+", "Ext+", exact case);
// 0 when the name is not in the table.
std::uint32_t LookupKeyName(const std::string& text);
