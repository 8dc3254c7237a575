// Menu templates as the resource compiler writes them, and the caption look-ups of
// GetMenuStringA over the items read from them.
//
// Standard template (version 0): per item a 16-bit flags word, a 16-bit command number unless the
// item opens a popup, and the zero-terminated UTF-16LE caption; a popup's items follow its caption.
// Extended template (version 1): per item 32-bit type, state and command number, a 16-bit word
// whose bit 0 marks a popup, the caption on a 2-byte boundary, then padding to a 4-byte boundary;
// a popup then has a 32-bit help id and its items. In both, bit 7 (0x80) of the flags marks the
// last item of its level.
#include "platform/MenuResource.h"

#include "formats/Bytes.h"
#include "platform/Ansi.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

constexpr std::uint32_t kPopup = 0x10;
constexpr std::uint32_t kEnd = 0x80;
constexpr std::uint32_t kNoText = 0x0004 | 0x0100 | 0x0800; // bitmap, owner-drawn, separator
// Deeper nesting than any real menu has; a template nested deeper is refused rather than walked.
constexpr int kMaxDepth = 64;

class TemplateReader {
public:
    TemplateReader(const std::string& data, bool extended)
        : m_data(data), m_in(data, formats::ByteOrder::Little), m_extended(extended)
    {
    }

    bool Level(std::size_t& pos, int depth, std::vector<MenuNode>& items)
    {
        if (depth > kMaxDepth)
            return Fail("menus nested too deeply", pos);
        for (;;) {
            MenuNode node;
            std::uint32_t flags = 0, type = 0;
            bool numbered = true;
            if (m_extended) {
                std::uint32_t state = 0, info = 0;
                if (!U32(pos, type) || !U32(pos + 4, state) || !U32(pos + 8, node.id) || !U16(pos + 12, info))
                    return Fail("menu item cut short", pos);
                pos += 14;
                node.popup = (info & 1) != 0;
                flags = info & kEnd;
            } else {
                if (!U16(pos, flags))
                    return Fail("menu item cut short", pos);
                pos += 2;
                node.popup = (flags & kPopup) != 0;
                type = flags;
                numbered = !node.popup;
                if (numbered) {
                    if (!U16(pos, node.id))
                        return Fail("menu item cut short", pos);
                    pos += 2;
                }
            }
            std::string text;
            if (!Text(pos, text))
                return false;
            if (!(type & kNoText))
                node.caption = AnsiFromUtf16Le(text);
            if (m_extended) {
                pos = (pos + 3) & ~std::size_t(3);
                if (node.popup)
                    pos += 4; // help id
            }
            // A popup of a standard template has no command number: it never answers one.
            node.id = numbered ? node.id : kNoId;
            if (node.popup && !Level(pos, depth + 1, node.items))
                return false;
            items.push_back(std::move(node));
            if (flags & kEnd)
                return true;
        }
    }

    std::string error;

private:
    bool U16(std::size_t pos, std::uint32_t& value) { return m_in.U16At(pos, value); }
    bool U32(std::size_t pos, std::uint32_t& value) { return m_in.U32At(pos, value); }
    // The UTF-16LE units up to the terminating zero; pos moves past it.
    bool Text(std::size_t& pos, std::string& units)
    {
        if (m_extended)
            pos = (pos + 1) & ~std::size_t(1);
        for (std::size_t at = pos;; at += 2) {
            std::uint32_t unit = 0;
            if (!U16(at, unit))
                return Fail("menu caption cut short", pos);
            if (unit == 0) {
                units = m_data.substr(pos, at - pos);
                pos = at + 2;
                return true;
            }
        }
    }
    bool Fail(const char* what, std::size_t pos)
    {
        error = std::string(what) + " at byte " + std::to_string(pos) + " of the menu";
        return false;
    }

    const std::string& m_data;
    formats::ByteReader m_in;
    bool m_extended;

public:
    static constexpr std::uint32_t kNoId = 0xFFFFFFFFu;
};

// The first item with the command number in the order Windows searches: each level from its first
// item on, a popup's items before the items after the popup; a popup that carries the number
// itself (extended templates) answers only when nothing inside or after it on its level does.
const MenuNode* FindCommand(const std::vector<MenuNode>& items, std::uint32_t id)
{
    const MenuNode* fallback = nullptr;
    for (const MenuNode& item : items) {
        if (item.popup) {
            if (const MenuNode* found = FindCommand(item.items, id))
                return found;
            if (item.id == id)
                fallback = &item;
        } else if (item.id == id) {
            return &item;
        }
    }
    return fallback;
}

} // namespace

bool ParseMenuTemplate(const std::string& data, std::vector<MenuNode>& items, std::string& error)
{
    items.clear();
    if (data.size() < 4) {
        error = "menu template cut short";
        return false;
    }
    const unsigned version = static_cast<unsigned char>(data[0]) | (static_cast<unsigned char>(data[1]) << 8);
    const unsigned offset = static_cast<unsigned char>(data[2]) | (static_cast<unsigned char>(data[3]) << 8);
    if (version > 1) {
        error = "unknown menu template version " + std::to_string(version);
        return false;
    }
    TemplateReader reader(data, version == 1);
    std::size_t pos = 4 + std::size_t(offset);
    if (!reader.Level(pos, 0, items)) {
        error = reader.error;
        items.clear();
        return false;
    }
    return true;
}

int ResourceMenu::GetMenuString(unsigned item, char* buffer, int size, unsigned flags) const
{
    const MenuNode* node = nullptr;
    if (flags & kMenuByPosition)
        node = item < m_items.size() ? &m_items[item] : nullptr;
    else
        node = FindCommand(m_items, item);
    if (!node)
        return 0;
    const std::string& caption = node->caption;
    if (!buffer || size < 1)
        return static_cast<int>(caption.size());
    const std::size_t copied = std::min(caption.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, caption.data(), copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}

std::unique_ptr<ResourceMenu> ReadMenuResource(const std::string& image, unsigned id, std::string& error)
{
    std::string data;
    std::vector<MenuNode> items;
    if (!FindPeResource(image, kMenuResourceType, id, data, error) || !ParseMenuTemplate(data, items, error))
        return nullptr;
    return std::make_unique<ResourceMenu>(std::move(items));
}

} // namespace platform
