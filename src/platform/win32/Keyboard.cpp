#include "platform/Keyboard.h"

#include <windows.h>

namespace platform {

bool KeyNameText(std::uint32_t parameterWord, std::string& name)
{
    char buffer[kKeyNameBuffer] = {};
    const int length = ::GetKeyNameTextA(static_cast<LONG>(parameterWord), buffer, static_cast<int>(sizeof buffer));
    if (length <= 0)
        return false;
    name.assign(buffer, static_cast<std::size_t>(length) < sizeof buffer ? static_cast<std::size_t>(length)
                                                                           : sizeof buffer - 1);
    return true;
}

std::uint32_t MapKeyCode(std::uint32_t code, unsigned mapType) { return ::MapVirtualKeyA(code, mapType); }

} // namespace platform
