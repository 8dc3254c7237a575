#pragma once
// Converts the "Menus" and "SystemMenu" statements (the reader merges the second into the first)
// into a TORQA! custom menu document beside the session file, and points the session file at it.
//
// The document is one line of markup: <CustomMenu ...><Menu> the entries </Menu> one SystemMenu
// element </CustomMenu>. The writers walk the statement's token list through one shared index;
// -1 means the end was reached. QIM! menu paths become TORQA! paths through the menu path table
// and the captions of the TORQA! main menu, read from the TORQA! resource library (MenuPaths.h).
// The document's fixed pieces are formats/MenuDocument.h.
#include "converters/CQIConverter.h"
#include "platform/Menus.h"

#include <cstdint>
#include <memory>
#include <string>

class CQIMenuConverter : public CQIConverter {
public:
    CQIMenuConverter(); // loads the TORQA! main menu; without it no menu path maps
    ~CQIMenuConverter() override;

    // Writes the document and, when it could be written, the session file's "Menu" and
    // "UseCustomMenu" keys; answers whether the document was written.
    bool Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory) override;

    // The document (MenuDocument.cpp). A document that would pass kLargestMenuDocument bytes (only
    // submenus nested thousands deep come near it) is not written: BuildMenuDocument throws
    // MenuDocumentTooLarge, and WriteMenuDocument says so in a notice and answers false.
    static constexpr std::size_t kLargestMenuDocument = std::size_t{16} << 20;
    struct MenuDocumentTooLarge {};
    bool WriteMenuDocument(const PropertyList& tokens, const std::string& documentPath);
    std::string BuildMenuDocument(const PropertyList& tokens); // the text WriteMenuDocument writes
    bool WriteMenuBody(const PropertyList& tokens, int& index, std::string& document, std::uint16_t& systemMenuFlag);

    // Added submenus (MenuSubmenus.cpp): each writes its element before its first child.
    bool WriteTopSubmenu(const PropertyList& tokens, int& index, std::string& document, const std::string& path);
    bool WriteNestedSubmenu(const PropertyList& tokens, int& index, std::string& document, const std::string& path,
                            bool firstLevel);

    // One property of an added entry (kind "Separator", "Command", "Sequence", "Macro") or of an
    // added submenu (empty kind), renamed and converted in place.
    bool ConvertItemProperty(const std::string& kind, std::string& name, std::string& value);

    const platform::MenuTemplate* MenuTemplate() const { return m_menuTemplate.get(); }

    // Source names, by their place in the source property indices.
    enum SourceName { kPosition, kHide, kAdd, kDim, kCheck, kValue, kCaption, kSourceNameCount };
    // Target attribute names, by their place in the target key indices.
    enum TargetName { kTCaption, kTIntrinsic, kTPosition, kTActionId, kTHidden, kTEnabled, kTChecked, kTargetNameCount };
    const char* Source(SourceName name) const;
    const char* Target(TargetName name) const;
    const char* SystemMenuName() const;

private:
    struct ItemKind;
    struct Submenu;
    enum class EntryEnd { Mapped, Unmapped, AtEnd };
    EntryEnd WritePositionEntry(const PropertyList& tokens, int& index, std::string& document, std::string& path,
                                std::string& name, std::string& value);
    bool DispatchAdd(const std::string& value, const PropertyList& tokens, int& index, std::string& document,
                     const std::string& path, int itemFlag, bool& dispatched);
    static const ItemKind* FindItemKind(const std::string& kind); // "Macro", "Sequence", ... ignoring case
    // An added single entry (MenuItems.cpp). It leaves the index at -1 (the end) or two tokens
    // before the next "Add", "Position" or "SystemMenu" pair, answering false for "Position".
    bool WriteItem(const ItemKind& kind, const PropertyList& tokens, int& index, std::string& document,
                   const std::string& path);
    bool WriteSubmenu(Submenu& submenu, const PropertyList& tokens, int& index, std::string& document);
    void WriteSubmenuElement(Submenu& submenu, std::string& document) const;
    bool ConvertMacroValue(std::string& value);
    // Reads the name and the value after index, each through Unquote; a token that Unquote
    // refuses leaves its string as it was. False when the pair runs past the last token.
    bool ReadPair(const PropertyList& tokens, int& index, std::string& name, std::string& value);
    bool IsSource(const std::string& token, SourceName name) const; // ignoring case

    std::unique_ptr<platform::MenuTemplate> m_menuTemplate;
    int m_systemMenuGroup = -1;
    int m_sourceNames[kSourceNameCount] = {};
    int m_menuExtension = -1;
    int m_targetKeys[kTargetNameCount] = {};
};

// The token at index, or an empty text outside the list: nothing is read past its end.
const std::string& MenuToken(const PropertyList& tokens, int index);
