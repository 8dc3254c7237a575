#include "formats/QuickPad.h"

#include "formats/BarBlocks.h"

namespace formats {

namespace {

constexpr unsigned kVersion = 2;
constexpr char kLabel[] = "VRX3270";
constexpr char kFont[] = "Arial";
constexpr char kButtonTag = 'B';

bars::ButtonHead Head(const QuickPadButton& b) { return {b.actionId, b.textColour, b.value}; }

} // namespace

std::string QuickPadBytes(const QuickPad& pad)
{
    ByteWriter out;
    bars::WriteFileHead(out, {kVersion, pad.marginX, pad.marginY, 1});
    out.U16(3);
    out.U16(static_cast<unsigned>(pad.width));
    out.U16(static_cast<unsigned>(pad.height));
    out.U8('S');
    out.U8(2);
    out.U16(pad.background);
    bars::WriteNames(out, pad.name, kLabel);
    for (const QuickPadButton& button : pad.buttons) {
        bars::WriteButtonHead(out, kButtonTag, Head(button));
        out.U8(2);
        bars::WriteRect(out, button.place);
        out.U8(1);
        out.U16(9);
        out.U16(0);
        out.U16(2);
        out.CountedWithZero(kFont);
        out.CountedWithZero(button.caption);
        out.U8(2);
        out.CountedWithZero("");
    }
    return out.Take();
}

ReadResult ReadQuickPad(std::string_view bytes, QuickPad& pad)
{
    pad = QuickPad{};
    ByteReader in(bytes);
    bars::FileHead head{kVersion, 0, 0, 1};
    unsigned background = 0;
    if (!bars::ReadFileHead(in, head) ||
        !in.Expect16(3, "the value after the margins") || !in.S16(pad.width) || !in.S16(pad.height) ||
        !in.Expect8('S', "the style tag") || !in.Expect8(2, "the style type") || !in.U16(background) ||
        !bars::ReadNames(in, pad.name, kLabel))
        return in.Result();
    pad.marginX = head.first;
    pad.marginY = head.second;
    pad.background = static_cast<std::uint16_t>(background);
    while (!in.AtEnd()) {
        bars::ButtonHead button;
        Rect16 place;
        std::string caption;
        if (!bars::ReadButtonHead(in, kButtonTag, button) || !in.Expect8(2, "the rectangle tag") ||
            !bars::ReadRect(in, place) || !in.Expect8(1, "the font tag") || !in.Expect16(9, "the font height") ||
            !in.Expect16(0, "the font value") || !in.Expect16(2, "the font value") ||
            !in.ExpectCounted(kFont, true, "the font") || !in.CountedWithZero(caption) ||
            !in.Expect8(2, "the closing tag") || !in.ExpectCounted("", true, "the closing string"))
            return in.Result();
        pad.buttons.push_back({button.actionId, button.textColour, std::move(button.value), place, std::move(caption)});
    }
    return in.Result();
}

ReadResult DumpQuickPad(std::string_view bytes, std::string& text)
{
    QuickPad pad;
    text.clear();
    const ReadResult result = ReadQuickPad(bytes, pad);
    if (!result)
        return result;
    auto n = [](long value) { return std::to_string(value); };
    text = "QuickPad (QPAD version 2), " + n(static_cast<long>(pad.buttons.size())) +
           " button(s); sizes in 1/288 inch\n";
    bars::Line(text, "margins", n(pad.marginX) + " across, " + n(pad.marginY) + " down");
    bars::Line(text, "size", n(pad.width) + " x " + n(pad.height));
    bars::Line(text, "background", "palette index " + n(pad.background));
    bars::Line(text, "name", Quoted(pad.name));
    bars::Line(text, "label", Quoted(kLabel));
    for (std::size_t i = 0; i < pad.buttons.size(); ++i) {
        const QuickPadButton& b = pad.buttons[i];
        text += "button " + n(static_cast<long>(i + 1)) + "\n";
        bars::Line(text, "caption", Quoted(b.caption));
        bars::Line(text, "rectangle", bars::RectText(b.place));
        bars::ButtonHeadLines(text, Head(b));
        bars::Line(text, "font", "\"Arial\" 9");
    }
    return result;
}

} // namespace formats
