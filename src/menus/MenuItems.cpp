// Added single entries (separators, commands, key sequences, macros) and the conversion of the
// properties of added entries and submenus.
#include "menus/CQIMenuConverter.h"

#include "actions/ActionIds.h"
#include "actions/CQIMacroLibrary.h"
#include "actions/MacroFiles.h"
#include "formats/MenuDocument.h"
#include "platform/AsciiCase.h"

#include <cstdlib>

using formats::menu::AppendAttribute;
using formats::menu::EscapeMarkup;

struct CQIMenuConverter::ItemKind {
    const char* name;            // the "Add" value, and the kind ConvertItemProperty gets
    const char* element;         // start text
    bool escapeValues;           // values go through EscapeMarkup as they are read
    std::uint16_t defaultAction; // the ActionID every such entry carries; 0 for none
};

const CQIMenuConverter::ItemKind* CQIMenuConverter::FindItemKind(const std::string& kind)
{
    // The four kinds share one writer and differ only in these columns. A command's ActionID
    // comes from its Value.
    static const ItemKind kKinds[] = {
        {"Separator", formats::menu::kSeparatorStart, false, 0},
        {"Command", formats::menu::kCommandStart, true, 0},
        {"Sequence", formats::menu::kSequenceStart, true, ACTION_ID_TEXT},
        {"Macro", formats::menu::kMacroStart, true, ACTION_ID_MACRO},
    };
    for (const ItemKind& row : kKinds)
        if (EqualsNoCase(kind, row.name))
            return &row;
    return nullptr;
}

// Entered with index on the value of the entry's "Add" pair.
bool CQIMenuConverter::WriteItem(const ItemKind& kind, const PropertyList& tokens, int& index, std::string& document,
                                 const std::string& path)
{
    document += kind.element;
    bool hiddenSeen = false, enabledSeen = false, checkedSeen = false;
    auto appendDefaults = [&] {
        if (!hiddenSeen)
            AppendAttribute(document, Target(kTHidden), "False");
        if (!enabledSeen)
            AppendAttribute(document, Target(kTEnabled), "True");
        if (!checkedSeen)
            AppendAttribute(document, Target(kTChecked), "False");
    };
    auto appendPlace = [&] {
        if (kind.defaultAction)
            AppendAttribute(document, Target(kTActionId), std::to_string(kind.defaultAction));
        AppendAttribute(document, Target(kTPosition), path);
        AppendAttribute(document, Target(kTIntrinsic), "False");
    };

    const int last = static_cast<int>(tokens.size()) - 1;
    std::string name, value;
    while (index >= 0 && index < last) {
        if (!ReadPair(tokens, index, name, value))
            break; // a name without its value at the very end is dropped
        if (kind.escapeValues)
            value = EscapeMarkup(value);
        const bool position = IsSource(name, kPosition);
        if (position || IsSource(name, kAdd) || EqualsNoCase(name, SystemMenuName())) {
            // The next entry starts here: leave the index two tokens before its name.
            index -= 2;
            appendDefaults();
            appendPlace();
            document += formats::menu::kEmptyElementEnd;
            return !position;
        }
        ConvertItemProperty(kind.name, name, value);
        hiddenSeen |= name == Target(kTHidden);
        enabledSeen |= name == Target(kTEnabled);
        checkedSeen |= name == Target(kTChecked);
        AppendAttribute(document, name, value);
    }
    // The last entry of the statement.
    appendPlace();
    appendDefaults();
    document += formats::menu::kEmptyElementEnd;
    index = -1;
    return true;
}

bool CQIMenuConverter::ConvertItemProperty(const std::string& kind, std::string& name, std::string& value)
{
    if (IsSource(name, kHide)) {
        name = Target(kTHidden);
    } else if (IsSource(name, kDim)) {
        name = Target(kTEnabled);
        value = UpperCase(value) == "TRUE" ? "False" : "True";
    } else if (IsSource(name, kCheck)) {
        name = Target(kTChecked);
    }

    if (IsSource(name, kValue)) {
        if (kind == "Macro")
            return ConvertMacroValue(value);
        if (kind == "Command") {
            std::string command = value;
            Unquote(value, command);
            name = Target(kTActionId);
            RemoveChar(command, '&');
            value = std::to_string(CommandIdFromName(command));
            return true;
        }
        if (kind == "Sequence") {
            std::string sequence = value;
            Unquote(value, sequence);
            ConvertGuillemets(sequence);
            value = sequence;
            return true;
        }
    }
    if (IsSource(name, kCaption)) {
        // Letters beyond ASCII as numeric character references; the soft hyphen and the
        // no-break space stay as they are.
        std::string converted;
        for (char c : value) {
            const unsigned byte = static_cast<unsigned char>(c);
            converted.push_back(c);
            if (byte >= 0xA1 && byte != 0xAD) {
                converted.back() = '&';
                converted += '#';
                converted += std::to_string(byte);
                converted += ';';
            }
        }
        value = converted;
        return true;
    }
    return false;
}

// The value of an added macro becomes the TORQA! macro that the macro translator writes for it.
bool CQIMenuConverter::ConvertMacroValue(std::string& value)
{
    std::string text;
    bool isMacroFile = false;
    ResolveMacroReference(value, text, isMacroFile);
    std::string macroText, nameHint;
    if (isMacroFile) {
        if (!ReadMacroFile(*this, std::string(), text, "The menu item keeps its QIM! macro reference", macroText))
            return false;
        // The macro's name: the file name in upper case without ".QTM", from its separator on. The
        // path is a local one, so "/" separates too where the system uses it.
        nameHint = UpperCase(text);
        nameHint = nameHint.substr(0, nameHint.find(".QTM"));
        const std::size_t separator = nameHint.find_last_of("\\/");
        if (separator != std::string::npos)
            nameHint.erase(0, separator);
    } else {
        macroText = text;
        nameHint = "\\Menu" + std::to_string(std::rand() % 1000) + ".tbm";
    }
    if (macroText.empty())
        return true;
    CQIMacroContext context(m_macroDirectory);
    if (!context.TranslateMacroNamed(macroText, nameHint)) {
        ReportProperty(value, kMacroFailed);
        return false;
    }
    value = nameHint;
    return true;
}
