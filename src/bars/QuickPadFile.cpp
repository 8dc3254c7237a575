#include "bars/QuickPadFile.h"

#include "bars/Bytes.h"

namespace bars {

namespace {

constexpr char kMagic[] = "QPAD";
constexpr unsigned kVersion = 2;
constexpr char kLabel[] = "VRX3270";
constexpr char kFont[] = "Arial";

} // namespace

std::string QuickPadBytes(const QuickPad& pad)
{
    ByteWriter out;
    out.Bytes(kMagic);
    out.U8(kVersion);
    out.U8(0);
    out.U8(0); // padding
    out.U16(static_cast<unsigned>(pad.marginX));
    out.U16(static_cast<unsigned>(pad.marginY));
    out.U8(1);
    out.U8(0); // padding
    out.U16(3);
    out.U16(static_cast<unsigned>(pad.width));
    out.U16(static_cast<unsigned>(pad.height));
    out.U8('S');
    out.U8(2);
    out.U16(pad.background);
    out.Counted(pad.name);
    out.Counted(kLabel);
    for (const QuickPadButton& button : pad.buttons) {
        out.U8('B');
        out.U8(3);
        out.U16(button.actionId);
        out.U16(0);
        out.U8(0);
        out.U8(0); // padding
        out.U8('S');
        out.U8(2);
        out.U16(button.textColour);
        out.Counted(button.value);
        out.U8(2);
        for (const int edge : {button.top, button.left, button.bottom, button.right})
            out.U16(static_cast<unsigned>(edge));
        out.U8(1);
        out.U16(9);
        out.U16(0);
        out.U16(2);
        out.CountedWithZero(kFont);
        out.CountedWithZero(button.caption);
        out.U8(2);
        out.CountedWithZero("");
    }
    return out.Result();
}

bool ReadQuickPad(const std::string& bytes, QuickPad& pad, std::string& error)
{
    pad = QuickPad{};
    ByteReader in(bytes);
    std::string magic, label;
    unsigned value = 0;
    auto fail = [&]() {
        error = in.Error();
        return false;
    };
    if (!in.Bytes(4, magic))
        return fail();
    if (magic != kMagic) {
        error = "at byte 0: the file does not start with \"QPAD\"";
        return false;
    }
    if (!in.Expect8(kVersion, "the version") || !in.Expect8(0, "the byte after the version") ||
        !in.Expect8(0, "a padding byte") || !in.S16(pad.marginX) || !in.S16(pad.marginY) ||
        !in.Expect8(1, "the byte after the margins") || !in.Expect8(0, "a padding byte") ||
        !in.Expect16(3, "the value after the margins") || !in.S16(pad.width) || !in.S16(pad.height) ||
        !in.Expect8('S', "the style tag") || !in.Expect8(2, "the style type") || !in.U16(value))
        return fail();
    pad.background = static_cast<std::uint16_t>(value);
    if (!in.Counted(pad.name) || !in.Counted(label))
        return fail();
    if (label != kLabel)
        return in.Fail("the label should be \"VRX3270\""), fail();
    while (!in.AtEnd()) {
        QuickPadButton button;
        std::string font, empty;
        if (!in.Expect8('B', "the button tag") || !in.Expect8(3, "the button type") || !in.U16(value))
            return fail();
        button.actionId = static_cast<std::uint16_t>(value);
        if (!in.Expect16(0, "the value after the action") || !in.Expect8(0, "the byte after the action") ||
            !in.Expect8(0, "a padding byte") || !in.Expect8('S', "the style tag") || !in.Expect8(2, "the style type") ||
            !in.U16(value))
            return fail();
        button.textColour = static_cast<std::uint16_t>(value);
        if (!in.Counted(button.value) || !in.Expect8(2, "the rectangle tag") || !in.S16(button.top) ||
            !in.S16(button.left) || !in.S16(button.bottom) || !in.S16(button.right) ||
            !in.Expect8(1, "the font tag") || !in.Expect16(9, "the font height") || !in.Expect16(0, "the font value") ||
            !in.Expect16(2, "the font value") || !in.CountedWithZero(font))
            return fail();
        if (font != kFont)
            return in.Fail("the font should be \"Arial\""), fail();
        if (!in.CountedWithZero(button.caption) || !in.Expect8(2, "the closing tag") || !in.CountedWithZero(empty))
            return fail();
        if (!empty.empty())
            return in.Fail("the closing string should be empty"), fail();
        pad.buttons.push_back(std::move(button));
    }
    return true;
}

bool DumpQuickPad(const std::string& bytes, std::string& text, std::string& error)
{
    QuickPad pad;
    if (!ReadQuickPad(bytes, pad, error))
        return false;
    auto line = [&text](const std::string& field, const std::string& value) {
        text += "  " + field + std::string(field.size() < 12 ? 12 - field.size() : 1, ' ') + value + "\n";
    };
    auto n = [](long value) { return std::to_string(value); };
    text = "QuickPad (QPAD version 2), " + n(static_cast<long>(pad.buttons.size())) + " button(s); sizes in 1/288 inch\n";
    line("margins", n(pad.marginX) + " across, " + n(pad.marginY) + " down");
    line("size", n(pad.width) + " x " + n(pad.height));
    line("background", "palette index " + n(pad.background));
    line("name", Quoted(pad.name));
    line("label", Quoted(kLabel));
    for (std::size_t i = 0; i < pad.buttons.size(); ++i) {
        const QuickPadButton& b = pad.buttons[i];
        text += "button " + n(static_cast<long>(i + 1)) + "\n";
        line("caption", Quoted(b.caption));
        line("rectangle", "top " + n(b.top) + ", left " + n(b.left) + ", bottom " + n(b.bottom) + ", right " + n(b.right));
        line("action", n(b.actionId));
        line("text", Quoted(b.value));
        line("colour", "palette index " + n(b.textColour));
        line("font", "\"Arial\" 9");
    }
    return true;
}

} // namespace bars
