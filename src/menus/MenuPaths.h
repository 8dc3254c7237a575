#pragma once
// The QIM! menu paths the converter knows, each with the TORQA! top-level menu (0-based position;
// 4 is never used) and command it stands for: -1 the top-level menu itself, 0 anywhere in that
// menu, else a TORQA! command whose caption the TORQA! main menu gives. Matched exactly.
#include <cstddef>
#include <cstdint>

struct MenuPathRow {
    const char* path;
    int position;
    std::int32_t id;
};

constexpr std::size_t kMenuPathCount = 87;
extern const MenuPathRow kMenuPaths[kMenuPathCount];
