#include "platform/Keyboard.h"

#include "platform/UsKeyboard.h"

// Without a keyboard service of the system's own, the keyboard is a US-English one.
namespace platform {

bool KeyNameText(std::uint32_t parameterWord, std::string& name) { return us::KeyNameText(parameterWord, name); }

std::uint32_t MapKeyCode(std::uint32_t code, unsigned mapType) { return us::MapKeyCode(code, mapType); }

} // namespace platform
