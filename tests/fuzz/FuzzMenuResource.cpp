// Fuzzing the menu reader: any bytes as a resource library file (and as a bare menu template),
// then the caption questions the converter asks. A crash, a read past the bytes or undefined
// behaviour is a finding; a refusal is not.
#include "platform/MenuResource.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    auto ask = [](const platform::MenuTemplate& menu) {
        char buffer[64];
        for (unsigned position = 0; position < 8; ++position)
            menu.GetMenuString(position, buffer, sizeof buffer, platform::kMenuByPosition);
        for (unsigned id : {0u, 1u, 1001u, 4000u, 57601u, 57607u, 65535u})
            if (menu.GetMenuString(id, nullptr, 0, platform::kMenuByCommand) > 0)
                menu.GetMenuString(id, buffer, 4, platform::kMenuByCommand);
    };
    if (auto menu = platform::ReadMenuResource(bytes, 130, error))
        ask(*menu);
    std::vector<platform::MenuNode> items;
    if (platform::ParseMenuTemplate(bytes, items, error))
        ask(platform::ResourceMenu(std::move(items)));
    return 0;
}
