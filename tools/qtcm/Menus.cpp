#include "Menus.h"

#include "menus/MenuPaths.h"
#include "platform/Menus.h"
#include "platform/TorqaServices.h"

#include <cstdio>
#include <set>
#include <string>

namespace {

// Captions as GetMenuStringA gives them; the tab before an accelerator shown as \t.
std::string Shown(const std::string& caption)
{
    std::string shown;
    for (char c : caption)
        shown += c == '\t' ? std::string("\\t") : std::string(1, c);
    return shown;
}

} // namespace

int ShowMenus()
{
    std::string install;
    if (!platform::TorqaInstallPath(install)) {
        std::printf("The TORQA! installation path is unknown: no menu, and no menu path maps.\n");
        return 1;
    }
    const std::string library = install + "torqa.dlr";
    std::string why;
    const auto menu = platform::LoadMenuTemplate(library, 130, &why);
    if (!menu) {
        std::printf("No TORQA! menu: %s\nNo menu path maps; menu documents keep only their system menu.\n", why.c_str());
        return 1;
    }
    std::printf("TORQA! menu: menu 130 of %s\n\nTop-level menus, by position:\n", library.c_str());
    for (unsigned position = 0; position < 7; ++position) {
        const std::string caption = MenuCaption(*menu, position, platform::kMenuByPosition);
        std::printf("  %u  %s\n", position, caption.empty() ? "(none)" : Shown(caption).c_str());
    }

    std::printf("\nCommands the menu paths use, by number:\n");
    std::set<int> shown;
    for (const MenuPathRow& row : kMenuPaths)
        if (row.id > 0 && shown.insert(row.id).second) {
            const std::string caption = MenuCaption(*menu, static_cast<unsigned>(row.id), platform::kMenuByCommand);
            std::printf("  %5d  %s\n", row.id, caption.empty() ? "(not in the menu)" : Shown(caption).c_str());
        }

    std::printf("\nQIM! menu paths and their TORQA! paths:\n");
    for (const MenuPathRow& row : kMenuPaths) {
        std::string path = row.path, caption;
        int id = 0, itemFlag = 0;
        const bool mapped = MapMenuPath(menu.get(), path, id, caption, itemFlag);
        const std::string quoted = std::string(1, '"').append(row.path).append(1, '"');
        std::printf("  %-40s %s\n", quoted.c_str(), mapped ? Shown(path).c_str() : "(not mapped)");
    }
    return 0;
}
