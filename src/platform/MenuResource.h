#pragma once
// Menu resources read straight from the bytes of a Windows library file (PE32 or PE32+), for the
// systems without the Windows menu functions; both builds compile it, so the tests can hold it
// against the real functions. Every offset and size read from the file is checked against the
// bytes there are: a file that is not a PE file, is cut short or lacks the resource answers false
// with a message saying what and where, never a read past the end.
#include "platform/Menus.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The data of resource (type, name) in its first language.
bool FindPeResource(const std::string& image, unsigned type, unsigned name, std::string& data, std::string& error);

struct MenuNode {
    std::string caption; // Windows-1252 bytes; empty for a separator
    std::uint32_t id = 0;
    bool popup = false;
    std::vector<MenuNode> items;
};

// A standard (version 0) or extended (version 1) menu template into its tree of items.
bool ParseMenuTemplate(const std::string& data, std::vector<MenuNode>& items, std::string& error);

// A menu tree answering GetMenuStringA's questions.
class ResourceMenu : public MenuTemplate {
public:
    explicit ResourceMenu(std::vector<MenuNode> items) : m_items(std::move(items)) {}
    int GetMenuString(unsigned item, char* buffer, int size, unsigned flags) const override;
    const std::vector<MenuNode>& Items() const { return m_items; }

private:
    std::vector<MenuNode> m_items;
};

constexpr unsigned kMenuResourceType = 4; // RT_MENU

// The menu resource id of a library file's bytes; null with a message when there is none.
std::unique_ptr<ResourceMenu> ReadMenuResource(const std::string& image, unsigned id, std::string& error);

} // namespace platform
