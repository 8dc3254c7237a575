#include "platform/Menus.h"

#include "platform/Files.h"
#include "platform/MenuResource.h"

namespace platform {

// Without the Windows menu functions the menu is read straight from the library file.
std::unique_ptr<MenuTemplate> LoadMenuTemplate(const std::string& libraryPath, unsigned id, std::string* why)
{
    std::string image, error;
    if (!ReadWholeFile(libraryPath, image)) {
        if (why)
            *why = "cannot read " + libraryPath;
        return nullptr;
    }
    std::unique_ptr<MenuTemplate> menu = ReadMenuResource(image, id, error);
    if (!menu && why)
        *why = libraryPath + ": " + error;
    return menu;
}

} // namespace platform
