#include "bars/ToolbarFile.h"

#include "bars/Bytes.h"

namespace bars {

namespace {

constexpr char kMagic[] = "QPAD";
constexpr unsigned kVersion = 1;
constexpr char kLabel[] = "nx3270";
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr const char* kStripNames[4] = {"small", "small, highlighted", "large", "large, highlighted"};

int Le32(const std::string& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

bool ReadRect(ByteReader& in, Rect16& r) { return in.S16(r.top) && in.S16(r.left) && in.S16(r.bottom) && in.S16(r.right); }

} // namespace

bool DibGeometry(const std::string& dib, int& width, int& height, int& bitsPerPixel)
{
    if (dib.size() < 40 || Le32(dib, 0) != 40)
        return false;
    width = Le32(dib, 4);
    height = Le32(dib, 8);
    bitsPerPixel = static_cast<unsigned char>(dib[14]) | static_cast<unsigned char>(dib[15]) << 8;
    return true;
}

std::string ToolbarBytes(const Toolbar& toolbar)
{
    ByteWriter out;
    out.Bytes(kMagic);
    out.U8(kVersion);
    out.U8(0);
    out.U8(0); // padding
    out.U16(0);
    out.U16(0);
    out.U8(0);
    out.U8(0); // padding
    out.U16(toolbar.buttonCount);
    out.U16(toolbar.itemSpace);
    out.U16(30);
    out.U32(kWhite);
    out.Counted(toolbar.name);
    out.Counted(kLabel);
    for (const ToolbarButton& button : toolbar.buttons) {
        out.U8('N');
        out.U8(3);
        out.U16(button.actionId);
        out.U16(0);
        out.U8(0);
        out.U8(0); // padding
        out.U8('S');
        out.U8(2);
        out.U16(button.textColour);
        out.Counted(button.value);
        out.U8(1);
        for (const Rect16& r : {button.small, button.large})
            for (const int edge : {r.top, r.left, r.bottom, r.right})
                out.U16(static_cast<unsigned>(edge));
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
    return out.Result();
}

bool ReadToolbar(const std::string& bytes, Toolbar& toolbar, std::string& error)
{
    toolbar = Toolbar{};
    ByteReader in(bytes);
    std::string magic, label;
    unsigned value = 0;
    std::uint32_t colour = 0;
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
    if (!in.Expect8(kVersion, "the version (1 for a toolbar)") || !in.Expect8(0, "the byte after the version") ||
        !in.Expect8(0, "a padding byte") || !in.Expect16(0, "the first header value") ||
        !in.Expect16(0, "the second header value") || !in.Expect8(0, "the header byte") ||
        !in.Expect8(0, "a padding byte") || !in.U16(toolbar.buttonCount) || !in.U16(toolbar.itemSpace) ||
        !in.Expect16(30, "the header value after the counts") || !in.U32(colour))
        return fail();
    if (colour != kWhite)
        return in.Fail("the background should be white (0x00FFFFFF)"), fail();
    if (!in.Counted(toolbar.name) || !in.Counted(label))
        return fail();
    if (label != kLabel)
        return in.Fail("the label should be \"nx3270\""), fail();
    while (!in.AtEnd()) {
        ToolbarButton button;
        if (!in.Expect8('N', "the button tag") || !in.Expect8(3, "the button type") || !in.U16(value))
            return fail();
        button.actionId = static_cast<std::uint16_t>(value);
        if (!in.Expect16(0, "the value after the action") || !in.Expect8(0, "the byte after the action") ||
            !in.Expect8(0, "a padding byte") || !in.Expect8('S', "the style tag") || !in.Expect8(2, "the style type") ||
            !in.U16(value))
            return fail();
        button.textColour = static_cast<std::uint16_t>(value);
        if (!in.Counted(button.value) || !in.Expect8(1, "the rectangle tag") || !ReadRect(in, button.small) ||
            !ReadRect(in, button.large) || !in.Expect8(2, "the tooltip tag") || !in.CountedWithZero(button.tooltip))
            return fail();
        for (std::string& image : button.images) {
            std::uint32_t size = 0;
            if (!in.Expect8(1, "the image tag") || !in.Expect16(1, "the image type") ||
                !in.Expect8('W', "the image format") || !in.U32(size) || !in.Bytes(size, image))
                return fail();
        }
        toolbar.buttons.push_back(std::move(button));
    }
    return true;
}

bool DumpToolbar(const std::string& bytes, std::string& text, std::string& error)
{
    Toolbar toolbar;
    if (!ReadToolbar(bytes, toolbar, error))
        return false;
    auto line = [&text](const std::string& field, const std::string& value) {
        text += "  " + field + std::string(field.size() < 12 ? 12 - field.size() : 1, ' ') + value + "\n";
    };
    auto n = [](long value) { return std::to_string(value); };
    auto rect = [&n](const Rect16& r) {
        return "top " + n(r.top) + ", left " + n(r.left) + ", bottom " + n(r.bottom) + ", right " + n(r.right);
    };
    text = "toolbar (QPAD version 1), " + n(static_cast<long>(toolbar.buttons.size())) + " button(s) written\n";
    line("buttons", n(toolbar.buttonCount) + " counted");
    line("item space", n(toolbar.itemSpace));
    line("background", "white");
    line("name", Quoted(toolbar.name));
    line("label", Quoted(kLabel));
    for (std::size_t i = 0; i < toolbar.buttons.size(); ++i) {
        const ToolbarButton& b = toolbar.buttons[i];
        text += "button " + n(static_cast<long>(i + 1)) + "\n";
        line("tooltip", Quoted(b.tooltip));
        line("small", rect(b.small));
        line("large", rect(b.large));
        line("action", n(b.actionId));
        line("text", Quoted(b.value));
        line("colour", "palette index " + n(b.textColour));
        for (std::size_t s = 0; s < b.images.size(); ++s) {
            int width = 0, height = 0, bits = 0;
            const std::string size = n(static_cast<long>(b.images[s].size())) + " bytes";
            line("image " + n(static_cast<long>(s + 1)),
                 DibGeometry(b.images[s], width, height, bits)
                     ? n(width) + " x " + n(height) + ", " + n(bits) + " bits, " + size + " (" + kStripNames[s] + ")"
                     : size + ", not a bitmap (" + kStripNames[s] + ")");
        }
    }
    return true;
}

} // namespace bars
