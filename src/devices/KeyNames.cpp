#include "devices/KeyNames.h"

#include "platform/Keyboard.h"

#include <map>

namespace {

struct Prefix {
    const char* text;
    std::uint32_t bit;
};

// Matched at the start of a name, case-sensitive, in any order and any number of times.
constexpr Prefix kPrefixes[] = {
    {"Shift+", kKeyCodeShift},
    {"Ctrl+", kKeyCodeCtrl},
    {"Alt+", kKeyCodeAlt},
    {"Ext+", kKeyCodeExtended},
};

// Display name (exact bytes) -> scan code, 0x100 for an extended key. Process-wide, filled once,
// never emptied: the names are those of the keyboard layout in use when it was filled.
std::map<std::string, std::uint32_t>& Table()
{
    static std::map<std::string, std::uint32_t> table;
    return table;
}
bool g_tableBuilt = false;

// The hexadecimal number between the first "[" and the first "]" after it, as a C run-time's "%x"
// reads it: blanks, an optional "0x", then digits up to the first other character. Nothing
// readable gives 0; digits past the eighth push the first ones out, as a 32-bit number would.
std::uint32_t BracketedCode(const std::string& text, std::size_t open)
{
    const std::size_t close = text.find(']', open + 1);
    if (close == std::string::npos)
        return 0;
    std::size_t i = open + 1;
    while (i < close && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i + 2 < close && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X'))
        i += 2;
    std::uint32_t code = 0;
    for (; i < close; ++i) {
        const char c = text[i];
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else
            break;
        code = code << 4 | digit;
    }
    return code;
}

bool AddName(std::uint32_t parameterWord, std::uint32_t value)
{
    std::string name;
    if (!platform::KeyNameText(parameterWord, name) || name.empty())
        return false;
    Table()[name] = value;
    return true;
}

} // namespace

void ParseKeyName(const std::string& text, KeyRecord& record)
{
    std::uint32_t code = 0;
    const std::size_t open = text.find('[');
    if (open != std::string::npos) {
        code = BracketedCode(text, open);
    } else {
        code = LookupKeyName(text); // fills the table on first use
    }
    const std::uint32_t virtualKey = code & 0xFF;
    std::uint32_t scanCode = platform::MapKeyCode(virtualKey, platform::kVirtualKeyToScanCode) & 0xFFFF;
    if (code & kKeyCodeExtended)
        scanCode |= keymap::kExtendedScanCode;

    std::uint8_t modifiers = 0;
    if (code & kKeyCodeCtrl)
        modifiers += keymap::kCtrl;
    if (code & kKeyCodeShift)
        modifiers += keymap::kShift;
    if (code & kKeyCodeAlt)
        modifiers += keymap::kAlt;

    record.modifiers = modifiers;
    record.constant8 = keymap::kKeyFieldsMarker;
    record.scanCode = static_cast<std::uint16_t>(scanCode);
    record.virtualKey = static_cast<std::uint16_t>(virtualKey);
}

void EnsureKeyNameTable()
{
    if (g_tableBuilt)
        return;
    g_tableBuilt = true;
    // Later scan codes replace earlier ones of the same name, and a plain key the extended key of
    // its own scan code.
    for (std::uint32_t scanCode = 1; scanCode <= 255; ++scanCode) {
        const std::uint32_t word = scanCode << platform::kKeyScanCodeShift;
        AddName(word | platform::kKeyExtendedFlag, scanCode + kKeyCodeExtended);
        AddName(word, scanCode);
    }
}

std::uint32_t LookupKeyName(const std::string& text)
{
    EnsureKeyNameTable();
    std::uint32_t flags = 0;
    std::size_t at = 0;
    for (bool matched = true; matched;) {
        matched = false;
        for (const Prefix& prefix : kPrefixes)
            if (text.compare(at, std::char_traits<char>::length(prefix.text), prefix.text) == 0) {
                flags |= prefix.bit;
                at += std::char_traits<char>::length(prefix.text);
                matched = true;
            }
    }
    const auto& table = Table();
    const auto found = table.find(text.substr(at));
    if (found == table.end())
        return 0;
    const std::uint32_t value = flags ^ found->second; // "Ext+" toggles the named key's extended bit
    return platform::MapKeyCode(value & 0xFF, platform::kScanCodeToVirtualKey) | (value & 0xF00);
}

std::string KeyNameForScanCode(std::uint32_t scanCode)
{
    std::string name;
    std::uint32_t word = (scanCode & 0xFF) << platform::kKeyScanCodeShift;
    if (scanCode & keymap::kExtendedScanCode)
        word |= platform::kKeyExtendedFlag;
    if (!platform::KeyNameText(word, name))
        name.clear();
    return name;
}
