#include "devices/KeyNames.h"

#include "converters/Numbers.h"
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

bool AddName(std::uint32_t parameterWord, std::uint32_t value)
{
    std::string name;
    if (!platform::KeyNameText(parameterWord, name) || name.empty())
        return false;
    Table()[name] = value;
    return true;
}

} // namespace

void ParseKeyName(const std::string& text, formats::KeyRecord& record)
{
    namespace keymap = formats::keymap;
    std::uint32_t code = 0;
    const std::size_t open = text.find('[');
    if (open != std::string::npos) {
        // The hexadecimal number between the first "[" and the first "]" after it.
        const std::size_t close = text.find(']', open + 1);
        if (close != std::string::npos)
            code = HexValue(std::string_view(text).substr(open + 1, close - open - 1));
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
