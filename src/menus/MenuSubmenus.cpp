// Added submenus. A submenu gathers its own attributes until its first child (or its end) and
// writes its element then, before the children, which follow it as siblings: the nesting lives in
// the children's Position paths, the submenu's own path followed by its caption.
#include "menus/CQIMenuConverter.h"

#include "platform/AsciiCase.h"

struct CQIMenuConverter::Submenu {
    enum class Level { Top, FirstNested, Nested };
    Submenu(Level submenuLevel, const std::string& submenuPath) : level(submenuLevel), path(submenuPath) {}
    Level level;
    std::string path;
    std::string childPath;
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
    document += "<Submenu " + submenu.attributes + " />";
}

// Runs to its "Add"="End" (true) or to the end of the tokens (false), taking every other pair,
// "Position" and "SystemMenu" ones included, as its own property.
bool CQIMenuConverter::WriteSubmenu(Submenu& submenu, const PropertyList& tokens, int& index, std::string& document)
{
    const int last = static_cast<int>(tokens.size()) - 1;
    std::string name, value;
    while (index >= 0 && index < last) {
        if (!ReadPair(tokens, index, name, value))
            break; // a name without its value at the very end is dropped
        value = EscapeMarkup(value);
        if (IsSource(name, kAdd)) {
            // Submenus nested deeper than any menu bar shows are taken as a property, so that no
            // statement can exhaust the stack.
            if (EqualsNoCase(value, "Menu") && m_submenuDepth < kMaxSubmenuDepth) {
                WriteSubmenuElement(submenu, document);
                ++m_submenuDepth;
                WriteNestedSubmenu(tokens, index, document, submenu.childPath, false);
                --m_submenuDepth;
                continue;
            }
            if (EqualsNoCase(value, "End")) {
                WriteSubmenuElement(submenu, document);
                if (index >= last)
                    index = -1;
                return true;
            }
            if (const ItemKind* kind = FindItemKind(value)) {
                WriteSubmenuElement(submenu, document);
                WriteItem(*kind, tokens, index, document, submenu.childPath);
                continue;
            }
        }
        ConvertItemProperty("", name, value);
        submenu.hiddenSeen |= name == Target(kTHidden);
        submenu.enabledSeen |= name == Target(kTEnabled);
        submenu.checkedSeen |= name == Target(kTChecked);
        if (name == Source(kCaption))
            submenu.SetChildPath(value);
        AppendAttribute(submenu.attributes, name, value);
    }
    return false;
}
