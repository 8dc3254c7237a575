#pragma once
// The TORQA! main menu, loaded from the TORQA! resource library, and its captions as the
// platform's GetMenuStringA gives them: "&" marks kept, the tab and its accelerator text included.
#include <memory>
#include <string>

namespace platform {

constexpr unsigned kMenuByCommand = 0x0000;  // item is a command number
constexpr unsigned kMenuByPosition = 0x0400; // item is a position in the top level

class MenuTemplate {
public:
    virtual ~MenuTemplate() = default;
    // As GetMenuStringA: with no buffer (or a size below 1) the caption's length in bytes; otherwise
    // at most size - 1 bytes and a terminating zero are copied and the number copied is answered.
    // 0 when there is no such item, or it has no text (a separator).
    virtual int GetMenuString(unsigned item, char* buffer, int size, unsigned flags) const = 0;
};

// Menu resource id of the library at path; null when the library cannot be loaded or has no such
// menu. why, when given, receives a line saying what went wrong.
std::unique_ptr<MenuTemplate> LoadMenuTemplate(const std::string& libraryPath, unsigned id,
                                               std::string* why = nullptr);

} // namespace platform
