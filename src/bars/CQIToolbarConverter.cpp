#include "bars/CQIToolbarConverter.h"

#include "actions/ActionConversion.h"
#include "bars/ButtonImages.h"
#include "converters/NameTables.h"
#include "converters/Numbers.h"
#include "formats/Bytes.h"
#include "formats/Toolbar.h"
#include "platform/AsciiCase.h"
#include "platform/Files.h"
#include "platform/FileSystem.h"

namespace {

constexpr int kToolbarGroup = 50; // "ToolbarMapping" among the group names
// Where the first button goes, and how far buttons and separators move the next one, in pixels.
constexpr int kSmallStart = 8, kSmallButton = 24, kSmallSeparator = 6;
constexpr int kLargeStart = 10, kLargeButton = 32, kLargeSeparator = 8;
constexpr int kButtonSpace = 26, kSeparatorSpace = 6;
using formats::Wrap16;

} // namespace

bool CQIToolbarConverter::Convert(const PropertyList& properties, const char* outputSessionPath,
                                  const char* schemeDirectory)
{
    std::string name;
    if (!SatelliteName(outputSessionPath, name))
        return false;
    const bool written = WriteToolbar(properties, SatellitePath(schemeDirectory, name, ".ttb")) &&
                         WriteDependentSection("QuickBar", name + ".ttb", outputSessionPath);

    // The two options are carried over whether or not there was a toolbar to write.
    for (std::size_t i = 0; i < properties.size(); ++i) {
        const std::string& key = properties[i];
        if (!EqualsNoCase(key, "Uselargebuttons") && !EqualsNoCase(key, "ShowToolTips"))
            continue;
        int section = 0, targetKey = 0, kind = 0;
        if (FindPropertyMapping(kToolbarGroup, FindName(key, kPropertyNames), section, targetKey, kind))
            ConvertProperty(kind, key, ValueAt(properties, i + 1), section, targetKey,
                            outputSessionPath ? outputSessionPath : "");
    }
    return written;
}

void CQIToolbarConverter::CountToolbarItems(const PropertyList& properties, unsigned& separators, unsigned& buttons)
{
    separators = buttons = 0;
    for (std::size_t i = 0; i < properties.size(); ++i) {
        if (!EqualsNoCase(properties[i], "Mapto"))
            continue;
        if (EqualsNoCase(ValueAt(properties, i + 1), "\"Separator\""))
            ++separators;
        else
            ++buttons;
    }
}

bool CQIToolbarConverter::ReadNextToolbarButton(const PropertyList& properties, std::size_t& position, Button& button)
{
    button = Button{};
    const std::size_t n = properties.size();
    // The image number's text and the tooltip, like the kind, keep the last value Unquote accepted
    // within this call: after a button passed over, or without "ToolTip", they read as its.
    std::string number;
    BindingKind kind;
    while (FindBinding(properties, position, "Mapto")) {
        // Mapto, the kind, Bitmap, its number, [ToolTip, its text,] Value, the operand.
        const std::size_t at = position;
        kind.Read(*this, ValueAt(properties, at + 1));
        if (EqualsNoCase(kind.Name(), "Separator")) {
            button.isSeparator = true;
            position = at + 2;
            return position <= n;
        }
        Unquote(ValueAt(properties, at + 3), number);
        button.imageNumber = DecimalValue(number);
        std::size_t operandName = at + 4;
        if (EqualsNoCase(ValueAt(properties, at + 4), "ToolTip")) {
            Unquote(ValueAt(properties, at + 5), button.tooltip);
            operandName = at + 6;
        }
        const std::size_t operand = operandName + 1;
        ActionChoices choices;
        choices.nameHint = number;
        choices.abandonWhenMacroFileMissing = false;
        choices.macroFailureReport = kMacroFailed;
        const Action action = ConvertAction(*this, kind.Token(), ValueAt(properties, operand), choices);
        if (action.outcome == Action::Outcome::Failed) {
            position = operand; // reported; the button is left out
            return false;
        }
        if (action.outcome != Action::Outcome::Converted) {
            position = at + 2; // an unknown kind: the next "Mapto" after it
            continue;
        }
        if (action.kind == Action::Kind::Command)
            button.tooltip = action.text;
        button.actionId = action.id;
        button.value = action.text;
        position = action.usesOperand ? operand + 1 : operandName;
        return position <= n;
    }
    return false;
}

bool CQIToolbarConverter::WriteToolbar(const PropertyList& properties, const std::string& toolbarPath)
{
    unsigned separators = 0, buttons = 0;
    CountToolbarItems(properties, separators, buttons);
    if (buttons == 0)
        return false;

    formats::Toolbar toolbar;
    toolbar.buttonCount = buttons;
    toolbar.itemSpace = kButtonSpace * buttons + kSeparatorSpace * separators + 1;
    toolbar.name = platform::FileStem(toolbarPath);

    long long xs = kSmallStart, xl = kLargeStart;
    std::size_t position = 0;
    while (position < properties.size()) {
        Button button;
        if (!ReadNextToolbarButton(properties, position, button))
            continue;
        if (button.isSeparator) {
            xs += kSmallSeparator;
            xl += kLargeSeparator;
            continue;
        }
        formats::ToolbarButton entry;
        entry.actionId = button.actionId;
        entry.textColour = static_cast<std::uint16_t>(PaletteIndex(kBlack));
        entry.value = button.value;
        entry.small = {4, Wrap16(xs), 26, Wrap16(xs + kSmallButton)};
        entry.large = {5, Wrap16(xl), 35, Wrap16(xl + kLargeButton)};
        entry.tooltip = button.tooltip;
        for (std::size_t s = 0; s < entry.images.size(); ++s)
            entry.images[s] = bars::ButtonImage(button.imageNumber, bars::kButtonStrips[s]);
        toolbar.buttons.push_back(std::move(entry));
        xs += kSmallButton;
        xl += kLargeButton;
    }
    return platform::SaveOutputFile(toolbarPath, formats::ToolbarBytes(toolbar));
}
