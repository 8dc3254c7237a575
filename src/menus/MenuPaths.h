#pragma once
// The QIM! menu paths the converter knows, each with the TORQA! top-level menu (0-based position;
// 4 is never used) and command it stands for: -1 the top-level menu itself, 0 anywhere in that
// menu, else a TORQA! command whose caption the TORQA! main menu gives. Matched exactly.
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {
class MenuTemplate;
}

struct MenuPathRow {
    const char* path;
    int position;
    std::int32_t id;
};

constexpr std::size_t kMenuPathCount = 87;
extern const MenuPathRow kMenuPaths[kMenuPathCount];

// A QIM! menu path into the TORQA! path (in place), with the command number (-1 for a top-level
// menu, 0 for anywhere in a menu), the TORQA! caption from menu, and 0 for a top-level menu or 1
// for an item. False for a path the table does not hold, or without a menu.
bool MapMenuPath(const platform::MenuTemplate* menu, std::string& path, int& commandId, std::string& caption,
                 int& itemFlag);
// The caption the menu gives an item (by position or by command, as flags say); empty when none.
std::string MenuCaption(const platform::MenuTemplate& menu, unsigned item, unsigned flags);
