#pragma once
// The PC keyboard as the system describes it: the display name of a key, and the mapping between
// virtual-key codes and scan codes. Windows answers from the keyboard layout in use; the posix
// build answers from the fixed tables of a US-English keyboard (UsKeyboard.h).
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// Room for a key name, terminating zero included, as the key name table asks for it.
constexpr std::size_t kKeyNameBuffer = 32;

// Bits of a key-message parameter word that name a key.
constexpr std::uint32_t kKeyScanCodeShift = 16;         // scan code in bits 16 to 23
constexpr std::uint32_t kKeyExtendedFlag = 1u << 24;    // extended key

// The display name of the key a key-message parameter word names, at most kKeyNameBuffer - 1
// bytes; false when the key has no name.
bool KeyNameText(std::uint32_t parameterWord, std::string& name);

// The display name of the key with this scan code, 0x100 added for an extended key (as key maps
// keep it), or empty.
inline std::string KeyNameForScanCode(std::uint32_t scanCode)
{
    std::string name;
    std::uint32_t word = (scanCode & 0xFF) << kKeyScanCodeShift;
    if (scanCode & 0x100)
        word |= kKeyExtendedFlag;
    return KeyNameText(word, name) ? name : std::string();
}

// Map types of MapKeyCode, as the system numbers them.
constexpr unsigned kVirtualKeyToScanCode = 0;
constexpr unsigned kScanCodeToVirtualKey = 1;

// The scan code of a virtual key or the virtual key of a scan code; 0 when there is none.
std::uint32_t MapKeyCode(std::uint32_t code, unsigned mapType);

} // namespace platform
