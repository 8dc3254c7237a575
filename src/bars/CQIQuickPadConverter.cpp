#include "bars/CQIQuickPadConverter.h"

#include "actions/ActionConversion.h"
#include "actions/ActionIds.h"
#include "bars/ButtonMetrics.h"
#include "formats/Bytes.h"
#include "formats/QuickPad.h"
#include "platform/AsciiCase.h"
#include "platform/Files.h"
#include "platform/FileSystem.h"
#include "platform/Screen.h"

#include <cstdint>

namespace {

constexpr int kMargin = 4;      // pixels around the buttons
constexpr int kPadding = 10;    // pixels the pad adds to its buttons' area
constexpr int kDefaultWidth = 10; // characters

using formats::Wrap16; // every position of the file is a 16-bit value; pixel arithmetic wraps there
// The pad's size is worked out in 32-bit integers before it is scaled, and wraps as they do.
int Wrap32(long long value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFF)); }

} // namespace

bool CQIQuickPadConverter::Convert(const PropertyList& properties, const char* outputSessionPath,
                                   const char* schemeDirectory)
{
    std::string name;
    if (!SatelliteName(outputSessionPath, name))
        return false;
    if (!WriteQuickPad(properties, SatellitePath(schemeDirectory, name, ".tqp")))
        return false;
    return WriteDependentSection("QuickPad", name + ".tqp", outputSessionPath);
}

bool CQIQuickPadConverter::ReadPadLayout(const PropertyList& properties, PadLayout& layout)
{
    layout = PadLayout{};
    int order = -1;
    const std::size_t n = properties.size();
    for (std::size_t i = 0; i < n && (layout.rows < 0 || layout.columns < 0 || layout.buttonWidth < 0 || order < 0);
         ++i) {
        const std::string& token = properties[i];
        const std::string& next = ValueAt(properties, i + 1);
        if (EqualsNoCase(token, "Rows"))
            layout.rows = GetIntValue(next);
        else if (EqualsNoCase(token, "Columns"))
            layout.columns = GetIntValue(next);
        else if (EqualsNoCase(token, "ButtonWidth"))
            layout.buttonWidth = GetIntValue(next);
        else if (EqualsNoCase(token, "OrderbyRow"))
            order = EqualsNoCase(next, "False") ? 0 : 1; // compared as written: "\"False\"" is not False
        else
            continue;
        ++i; // past the value
    }
    if (layout.columns >= 1 && layout.rows < 0)
        layout.rows = 1;
    if (layout.buttonWidth <= 0)
        layout.buttonWidth = kDefaultWidth;
    if (order >= 0)
        layout.columnMajor = order == 0;
    return layout.columns > 0;
}

bool CQIQuickPadConverter::ReadNextButton(const PropertyList& properties, std::size_t& position, std::string& caption,
                                          std::uint16_t& actionId, std::string& value)
{
    caption.clear();
    value.clear();
    // The caption, like the kind, keeps the last value Unquote accepted within this call.
    BindingKind kind;
    while (FindBinding(properties, position, "Caption")) {
        // Caption, its text, MapTo, the kind, Value, the operand: only "Caption" is looked for.
        const std::size_t at = position;
        Unquote(ValueAt(properties, at + 1), caption);
        RemoveChar(caption, '&');
        kind.Read(*this, ValueAt(properties, at + 3));
        ActionChoices choices;
        choices.nameHint = caption;
        choices.abandonWhenMacroFileMissing = false;
        choices.macroFailureReport = kUnconverted;
        const Action action = ConvertAction(*this, kind.Token(), ValueAt(properties, at + 5), choices);
        if (action.outcome == Action::Outcome::Failed) {
            caption.clear();
            position = at + 5; // the pad ends here
            return false;
        }
        if (action.outcome != Action::Outcome::Converted) {
            position = at + 4; // an unknown kind: the next "Caption" after it
            continue;
        }
        actionId = action.id;
        value = action.text;
        position = action.usesOperand ? at + 6 : at + 4;
        return position <= properties.size();
    }
    return false;
}

bool CQIQuickPadConverter::WriteQuickPad(const PropertyList& properties, const std::string& padPath)
{
    PadLayout layout;
    if (!ReadPadLayout(properties, layout))
        return false;
    std::size_t position = 0;
    std::string caption, value;
    std::uint16_t actionId = 0;
    bool more = ReadNextButton(properties, position, caption, actionId, value);
    if (!more)
        return false;

    const platform::FontSpec font{"Arial", 9, 400, 1, 0x20};
    platform::TextExtent button;
    MeasureButton(font, button, layout.buttonWidth);

    formats::QuickPad pad;
    pad.marginX = ScalePixels(kMargin, true);
    pad.marginY = ScalePixels(kMargin, false);
    pad.width = ScalePixels(Wrap32(static_cast<long long>(layout.columns) * button.cx + kPadding), true);
    pad.height = ScalePixels(Wrap32(static_cast<long long>(layout.rows) * button.cy + kPadding), false);
    pad.background = static_cast<std::uint16_t>(PaletteIndex(kWhite));
    pad.name = platform::FileStem(padPath);

    const long long places = static_cast<long long>(layout.rows) * layout.columns;
    for (long long i = 0; i < places && more; ++i) {
        const long long row = layout.columnMajor ? i % layout.rows : i / layout.columns;
        const long long column = layout.columnMajor ? i / layout.rows : i % layout.columns;
        const int top = Wrap16(button.cy * row + kMargin);
        const int left = Wrap16(button.cx * column + kMargin);
        formats::QuickPadButton entry;
        entry.actionId = actionId;
        entry.textColour = static_cast<std::uint16_t>(PaletteIndex(kBlack));
        entry.value = value;
        entry.place = {ScalePixels(top, false), ScalePixels(left, true), ScalePixels(Wrap16(top + button.cy), false),
                       ScalePixels(Wrap16(left + button.cx), true)};
        entry.caption = caption;
        pad.buttons.push_back(std::move(entry));
        more = ReadNextButton(properties, position, caption, actionId, value);
    }
    return platform::SaveOutputFile(padPath, formats::QuickPadBytes(pad));
}
