// Added submenus. A submenu gathers its own attributes until its first child (or its end) and
// writes its element then, before the children, which follow it as siblings: the nesting lives in
// the children's Position paths, the submenu's own path followed by its caption.
//
// Submenus nest as deep as the statement goes. The walk keeps the open submenus on a stack of its
// own rather than on the call stack, so no depth of nesting can exhaust the program's stack. Each
// submenu's Position repeats the path above it, so the document grows with the square of the
// depth: past kLargestMenuDocument the walk stops (a real menu is a few kilobytes; a statement of a
// megabyte nested to the end would ask for gigabytes).
#include "menus/CQIMenuConverter.h"

#include "formats/MenuDocument.h"
#include "platform/AsciiCase.h"

#include <vector>

using formats::menu::AppendAttribute;
using formats::menu::EscapeMarkup;

struct CQIMenuConverter::Submenu {
    enum class Level { Top, FirstNested, Nested };
    Submenu(Level submenuLevel, const std::string& submenuPath) : level(submenuLevel), path(submenuPath) {}
    Level level;
    std::string path;
    std::string childPath;
    // The last pair this submenu read: each submenu keeps its own, and a value that Unquote
    // refuses reads as the one before it.
    std::string name;
    std::string value;
    std::string attributes;
    bool written = false;
    bool hiddenSeen = false;
    bool enabledSeen = false;
    bool checkedSeen = false;

    void SetChildPath(const std::string& caption)
    {
        std::string base;
        if (level == Level::Top) {
            childPath = caption + ".*";
            return;
        }
        if (level == Level::FirstNested)
            base = path.substr(0, path.find('.')) + "." + caption;
        else
            base = path + caption;
        childPath.clear();
        for (char c : base)
            if (c != '*')
                childPath.push_back(c);
        childPath += ".*";
    }
};

bool CQIMenuConverter::WriteTopSubmenu(const PropertyList& tokens, int& index, std::string& document,
                                       const std::string& path)
{
    Submenu submenu{Submenu::Level::Top, path};
    return WriteSubmenu(submenu, tokens, index, document);
}

bool CQIMenuConverter::WriteNestedSubmenu(const PropertyList& tokens, int& index, std::string& document,
                                          const std::string& path, bool firstLevel)
{
    Submenu submenu{firstLevel ? Submenu::Level::FirstNested : Submenu::Level::Nested, path};
    return WriteSubmenu(submenu, tokens, index, document);
}

void CQIMenuConverter::WriteSubmenuElement(Submenu& submenu, std::string& document) const
{
    if (submenu.written)
        return;
    submenu.written = true;
    if (!submenu.hiddenSeen)
        AppendAttribute(submenu.attributes, Target(kTHidden), "false");
    if (!submenu.enabledSeen)
        AppendAttribute(submenu.attributes, Target(kTEnabled), "true");
    if (!submenu.checkedSeen)
        AppendAttribute(submenu.attributes, Target(kTChecked), "false");
    AppendAttribute(submenu.attributes, Target(kTPosition), submenu.path);
    AppendAttribute(submenu.attributes, Target(kTIntrinsic), "false");
    document += formats::menu::kSubmenuStart + submenu.attributes + formats::menu::kEmptyElementEnd;
}

// Runs to its "Add"="End" (true) or to the end of the tokens (false), taking every other pair,
// "Position" and "SystemMenu" ones included, as its own property. A nested submenu runs the same
// way in its parent's place; when it ends, its answer is dropped and the parent reads on.
bool CQIMenuConverter::WriteSubmenu(Submenu& outermost, const PropertyList& tokens, int& index, std::string& document)
{
    const int last = static_cast<int>(tokens.size()) - 1;
    std::vector<Submenu> nested; // the submenus open inside outermost, innermost last
    for (;;) {
        if (document.size() > kLargestMenuDocument)
            throw MenuDocumentTooLarge{};
        Submenu& submenu = nested.empty() ? outermost : nested.back();
        bool ended = false;
        bool answer = false;
        if (index < 0 || index >= last) {
            ended = true; // the tokens are used up
        } else if (!ReadPair(tokens, index, submenu.name, submenu.value)) {
            ended = true; // a name without its value at the very end is dropped
        } else {
            std::string& name = submenu.name;
            std::string& value = submenu.value;
            value = EscapeMarkup(value);
            const ItemKind* kind = nullptr;
            if (IsSource(name, kAdd) && EqualsNoCase(value, "Menu")) {
                WriteSubmenuElement(submenu, document);
                const std::string childPath = submenu.childPath; // submenu moves as the stack grows
                nested.emplace_back(Submenu::Level::Nested, childPath);
                continue;
            }
            if (IsSource(name, kAdd) && EqualsNoCase(value, "End")) {
                WriteSubmenuElement(submenu, document);
                if (index >= last)
                    index = -1;
                ended = true;
                answer = true;
            } else if (IsSource(name, kAdd) && (kind = FindItemKind(value)) != nullptr) {
                WriteSubmenuElement(submenu, document);
                WriteItem(*kind, tokens, index, document, submenu.childPath);
            } else {
                ConvertItemProperty("", name, value);
                submenu.hiddenSeen |= name == Target(kTHidden);
                submenu.enabledSeen |= name == Target(kTEnabled);
                submenu.checkedSeen |= name == Target(kTChecked);
                if (name == Source(kCaption))
                    submenu.SetChildPath(value);
                AppendAttribute(submenu.attributes, name, value);
            }
        }
        if (!ended)
            continue;
        if (nested.empty())
            return answer;
        nested.pop_back();
    }
}
