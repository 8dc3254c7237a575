#include "formats/Toolbar.h"

#include "formats/BarBlocks.h"

namespace formats {

namespace {

constexpr unsigned kVersion = 1;
constexpr char kLabel[] = "nx3270";
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr char kButtonTag = 'N';
constexpr const char* kStripNames[4] = {"small", "small, highlighted", "large", "large, highlighted"};

bars::ButtonHead Head(const ToolbarButton& b) { return {b.actionId, b.textColour, b.value}; }
} // namespace

bool DibGeometry(std::string_view dib, int& width, int& height, int& bitsPerPixel)
{
    ByteReader in(dib, ByteOrder::Little);
    std::uint32_t size = 0, w = 0, h = 0;
    unsigned planes = 0, bits = 0;
    if (!in.U32(size) || size != 40 || !in.U32(w) || !in.U32(h) || !in.U16(planes) || !in.U16(bits) || dib.size() < 40)
        return false;
    width = static_cast<std::int32_t>(w);
    height = static_cast<std::int32_t>(h);
    bitsPerPixel = static_cast<int>(bits);
    return true;
}

std::string ToolbarBytes(const Toolbar& toolbar)
{
    ByteWriter out;
    bars::WriteFileHead(out, {kVersion, 0, 0, 0});
    out.U16(toolbar.buttonCount);
    out.U16(toolbar.itemSpace);
    out.U16(30);
    out.U32(kWhite);
    bars::WriteNames(out, toolbar.name, kLabel);
    for (const ToolbarButton& button : toolbar.buttons) {
        bars::WriteButtonHead(out, kButtonTag, Head(button));
        out.U8(1);
        bars::WriteRect(out, button.small);
        bars::WriteRect(out, button.large);
        out.U8(2);
        out.CountedWithZero(button.tooltip);
        for (const std::string& image : button.images) {
            out.U8(1);
            out.U16(1);
            out.U8('W');
            out.U32(static_cast<std::uint32_t>(image.size()));
            out.Bytes(image);
        }
    }
    return out.Take();
}

ReadResult ReadToolbar(std::string_view bytes, Toolbar& toolbar)
{
    toolbar = Toolbar{};
    ByteReader in(bytes);
    bars::FileHead head{kVersion, 0, 0, 0, true};
    if (!bars::ReadFileHead(in, head) || !in.U16(toolbar.buttonCount) || !in.U16(toolbar.itemSpace) ||
        !in.Expect16(30, "the header value after the counts") || !in.Expect32(kWhite, "the background (white)") ||
        !bars::ReadNames(in, toolbar.name, kLabel))
        return in.Result();
    while (!in.AtEnd()) {
        bars::ButtonHead head;
        ToolbarButton button;
        if (!bars::ReadButtonHead(in, kButtonTag, head) || !in.Expect8(1, "the rectangle tag") ||
            !bars::ReadRect(in, button.small) || !bars::ReadRect(in, button.large) || !in.Expect8(2, "the tooltip tag") ||
            !in.CountedWithZero(button.tooltip))
            return in.Result();
        button.actionId = head.actionId;
        button.textColour = head.textColour;
        button.value = std::move(head.value);
        for (std::string& image : button.images) {
            std::uint32_t size = 0;
            if (!in.Expect8(1, "the image tag") || !in.Expect16(1, "the image type") ||
                !in.Expect8('W', "the image format") || !in.U32(size) || !in.Bytes(size, image))
                return in.Result();
        }
        toolbar.buttons.push_back(std::move(button));
    }
    return in.Result();
}

ReadResult DumpToolbar(std::string_view bytes, std::string& text)
{
    Toolbar toolbar;
    text.clear();
    const ReadResult result = ReadToolbar(bytes, toolbar);
    if (!result)
        return result;
    auto n = [](long value) { return std::to_string(value); };
    text = "toolbar (QPAD version 1), " + n(static_cast<long>(toolbar.buttons.size())) + " button(s) written\n";
    bars::Line(text, "buttons", n(toolbar.buttonCount) + " counted");
    bars::Line(text, "item space", n(toolbar.itemSpace));
    bars::Line(text, "background", "white");
    bars::Line(text, "name", Quoted(toolbar.name));
    bars::Line(text, "label", Quoted(kLabel));
    for (std::size_t i = 0; i < toolbar.buttons.size(); ++i) {
        const ToolbarButton& b = toolbar.buttons[i];
        text += "button " + n(static_cast<long>(i + 1)) + "\n";
        bars::Line(text, "tooltip", Quoted(b.tooltip));
        bars::Line(text, "small", bars::RectText(b.small));
        bars::Line(text, "large", bars::RectText(b.large));
        bars::ButtonHeadLines(text, Head(b));
        for (std::size_t s = 0; s < b.images.size(); ++s) {
            int width = 0, height = 0, bits = 0;
            const std::string size = n(static_cast<long>(b.images[s].size())) + " bytes";
            bars::Line(text, "image " + n(static_cast<long>(s + 1)),
                       DibGeometry(b.images[s], width, height, bits)
                           ? n(width) + " x " + n(height) + ", " + n(bits) + " bits, " + size + " (" + kStripNames[s] + ")"
                           : size + ", not a bitmap (" + kStripNames[s] + ")");
        }
    }
    return result;
}

} // namespace formats
