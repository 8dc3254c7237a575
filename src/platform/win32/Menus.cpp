#include "platform/Menus.h"

#include <windows.h>
// The interface's member has the API's generic name, which windows.h makes a macro.
#undef GetMenuString

namespace platform {

namespace {

class Win32Menu : public MenuTemplate {
public:
    explicit Win32Menu(HMENU menu) : m_menu(menu) {}
    ~Win32Menu() override { ::DestroyMenu(m_menu); }
    int GetMenuString(unsigned item, char* buffer, int size, unsigned flags) const override
    {
        return ::GetMenuStringA(m_menu, item, buffer, size, flags);
    }

private:
    HMENU m_menu;
};

} // namespace

// The library is loaded only to load the menu: the menu handle outlives it.
std::unique_ptr<MenuTemplate> LoadMenuTemplate(const std::string& libraryPath, unsigned id, std::string* why)
{
    HMODULE library = ::LoadLibraryA(libraryPath.c_str());
    if (!library) {
        if (why)
            *why = "cannot load " + libraryPath + " (error " + std::to_string(::GetLastError()) + ")";
        return nullptr;
    }
    HMENU menu = ::LoadMenuA(library, MAKEINTRESOURCEA(id));
    const DWORD error = ::GetLastError();
    ::FreeLibrary(library);
    if (!menu) {
        if (why)
            *why = libraryPath + ": no menu " + std::to_string(id) + " (error " + std::to_string(error) + ")";
        return nullptr;
    }
    return std::make_unique<Win32Menu>(menu);
}

} // namespace platform
