// The custom menu document and the walk over the statement's tokens that fills its Menu element.
#include "menus/CQIMenuConverter.h"

#include "formats/MenuDocument.h"
#include "menus/MenuPaths.h"
#include "platform/AsciiCase.h"
#include "platform/Files.h"
#include "platform/Notice.h"

namespace menu = formats::menu;
using menu::AppendAttribute;

namespace {

void ReplaceAll(std::string& text, const std::string& what, const std::string& with)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

} // namespace

std::string CQIMenuConverter::BuildMenuDocument(const PropertyList& tokens)
{
    std::string document = menu::DocumentStart() + menu::kMenuOpen;
    // A system-menu statement on its own starts with "SystemMenu": the walker closes the empty
    // menu when it meets that token.
    int index = 0;
    std::uint16_t systemMenuFlag = 1;
    while (index >= 0 && static_cast<std::size_t>(index) < tokens.size()) {
        const bool closed = WriteMenuBody(tokens, index, document, systemMenuFlag);
        if (systemMenuFlag == 1) {
            document += menu::kMenuClose;
            document += menu::kDefaultSystemMenu;
            break;
        }
        // The system-menu part ran into the end of the tokens in the middle of a pair (a bare
        // value spelled like a source name puts the walk out of step): its element is closed
        // here, so the document stays well formed.
        if (!closed && static_cast<std::size_t>(index) >= tokens.size())
            document += menu::kEmptyElementEnd;
    }
    document += menu::kDocumentEnd;
    return document;
}

bool CQIMenuConverter::WriteMenuDocument(const PropertyList& tokens, const std::string& documentPath)
{
    std::string document;
    try {
        document = BuildMenuDocument(tokens);
    } catch (const MenuDocumentTooLarge&) {
        platform::ShowNotice("The menu statement nests its submenus so deep that its menu document would pass " +
                             std::to_string(kLargestMenuDocument >> 20) + " MB: no menu document is written for \"" +
                             documentPath + "\".");
        return false;
    }
    return platform::SaveOutputFile(documentPath, document);
}

bool CQIMenuConverter::WriteMenuBody(const PropertyList& tokens, int& index, std::string& document,
                                     std::uint16_t& systemMenuFlag)
{
    const int count = static_cast<int>(tokens.size());
    std::string name, value, path;
    while (index >= 0 && index < count) {
        if (EqualsNoCase(MenuToken(tokens, index), SystemMenuName())) {
            systemMenuFlag = 0;
            document += menu::kMenuClose;
            document += menu::kSystemMenuStart;
            ++index; // onto the property's value, which says nothing
        }
        if (systemMenuFlag == 0) {
            if (index >= count - 1) {
                document += menu::kEmptyElementEnd;
                index = -1;
                return true;
            }
            // Each source name and value becomes an attribute as it is; the session and layout
            // entries have no TORQA! counterpart.
            if (ReadPair(tokens, index, name, value) && name.find("OpenSession") == std::string::npos &&
                name.find("Layout") == std::string::npos)
                AppendAttribute(document, name, value);
        }
        if (IsSource(MenuToken(tokens, index), kPosition)) {
            const EntryEnd end = WritePositionEntry(tokens, index, document, path, name, value);
            if (end == EntryEnd::Unmapped)
                return false; // the rest of the statement is dropped
            if (end == EntryEnd::AtEnd)
                return true;
        }
        if (systemMenuFlag == 1)
            ++index;
    }
    return false;
}

// index is on the "Position" token; it ends on the last token of the entry.
CQIMenuConverter::EntryEnd CQIMenuConverter::WritePositionEntry(const PropertyList& tokens, int& index,
                                                                std::string& document, std::string& path,
                                                                std::string& name, std::string& value)
{
    Unquote(MenuToken(tokens, ++index), path);
    int commandId = 0;
    int itemFlag = 0;
    std::string caption;
    if (!MapMenuPath(m_menuTemplate.get(), path, commandId, caption, itemFlag))
        return EntryEnd::Unmapped;
    const std::string identifier = std::to_string(commandId);
    ReplaceAll(path, "&", "&amp;");
    ReplaceAll(caption, "&", "&amp;");

    if (!ReadPair(tokens, index, name, value))
        return EntryEnd::Mapped;
    if (name == Source(kHide)) {
        if (caption == path) { // a top-level menu
            document += menu::kSubmenuStart;
            AppendAttribute(document, Target(kTCaption), caption);
            AppendAttribute(document, Target(kTIntrinsic), "true");
            AppendAttribute(document, Target(kTHidden), value);
            AppendAttribute(document, Target(kTPosition), path);
            document += menu::kEmptyElementEnd;
        } else if (!caption.empty()) { // a path that means anywhere in a menu has no caption
            document += menu::kCommandStart;
            AppendAttribute(document, Target(kTCaption), caption);
            AppendAttribute(document, Target(kTActionId), identifier);
            AppendAttribute(document, Target(kTChecked), "false");
            AppendAttribute(document, Target(kTEnabled), "true");
            AppendAttribute(document, Target(kTIntrinsic), "true");
            AppendAttribute(document, Target(kTHidden), value);
            AppendAttribute(document, Target(kTPosition), path);
            document += menu::kEmptyElementEnd;
        }
        return EntryEnd::Mapped;
    }
    // One or more "Add" pairs, each added at the same path.
    while (IsSource(name, kAdd)) {
        bool dispatched = false;
        const bool more = DispatchAdd(value, tokens, index, document, path, itemFlag, dispatched);
        if (!dispatched)
            break;
        // A submenu whose last child ran into the end answers false with the index at -1: that is
        // the end of the statement too, never a step back onto its first token.
        if (index == -1)
            return EntryEnd::AtEnd;
        if (!more)
            break; // an item stopped at the next "Position", or a submenu used up the tokens
        const bool complete = ReadPair(tokens, index, name, value);
        if (EqualsNoCase(name, SystemMenuName()) || IsSource(name, kPosition)) {
            index -= 2; // the walker steps onto that name
            break;
        }
        if (!complete)
            break;
    }
    return EntryEnd::Mapped;
}

bool CQIMenuConverter::DispatchAdd(const std::string& value, const PropertyList& tokens, int& index,
                                   std::string& document, const std::string& path, int itemFlag, bool& dispatched)
{
    dispatched = true;
    if (const ItemKind* kind = FindItemKind(value))
        return WriteItem(*kind, tokens, index, document, path);
    if (EqualsNoCase(value, "Menu"))
        return itemFlag == 0 ? WriteTopSubmenu(tokens, index, document, path)
                             : WriteNestedSubmenu(tokens, index, document, path, true);
    dispatched = false;
    return false;
}
