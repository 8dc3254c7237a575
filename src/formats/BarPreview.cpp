#include "formats/BarPreview.h"

#include "formats/Bytes.h"
#include "formats/QuickPad.h"
#include "formats/Toolbar.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace formats {

namespace {

// Code points of the bytes 0x80 to 0x9F of the ANSI code page (0 where it has none).
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

// ANSI text as XML character data: markup characters and every byte past ASCII as references,
// control characters in caret notation, as QIM! writes them ("PAYRUN^M").
std::string Xml(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else if (byte < 0x20 || byte == 0x7F)
            out += std::string("^") + static_cast<char>(byte == 0x7F ? '?' : byte + 0x40);
        else if (byte < 0x80)
            out += c;
        else {
            const unsigned code = byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
            out += code ? "&#" + std::to_string(code) + ";" : "?";
        }
    }
    return out;
}

std::string Base64(const std::string& bytes)
{
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t chunk = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            chunk |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            chunk |= static_cast<unsigned char>(bytes[i + 2]);
        out += kDigits[(chunk >> 18) & 63];
        out += kDigits[(chunk >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(chunk >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kDigits[chunk & 63] : '=';
    }
    return out;
}

// A device-independent bitmap as a BMP file: the 14-byte file header in front of it.
std::string BmpFile(const std::string& dib)
{
    ByteWriter out(ByteOrder::Little);
    out.Bytes("BM");
    out.U32(static_cast<std::uint32_t>(dib.size() + 14));
    out.U32(0);
    out.U32(14 + 40 + 16 * 4); // the pixels follow the header and the 16-colour palette
    out.Bytes(dib);
    return out.Take();
}

std::string Num(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string Header(double width, double height)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(width) + "\" height=\"" + Num(height) +
           "\" viewBox=\"0 0 " + Num(width) + " " + Num(height) + "\" font-family=\"Arial, sans-serif\">\n";
}

std::string Rect(const char* cls, double x, double y, double w, double h, const char* style)
{
    return "<rect class=\"" + std::string(cls) + "\" x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" width=\"" + Num(w) +
           "\" height=\"" + Num(h) + "\" " + style + "/>";
}

// The pad at 96 pixels per inch: file units are 1/288 inch.
std::string QuickPadSvg(const QuickPad& pad)
{
    constexpr double kScale = 96.0 / 288.0;
    double width = pad.width * kScale, height = pad.height * kScale;
    for (const QuickPadButton& b : pad.buttons) {
        width = std::max(width, b.place.right * kScale + 4);
        height = std::max(height, b.place.bottom * kScale + 4);
    }
    std::string svg = Header(width, height);
    svg += "<title>QuickPad " + Xml(pad.name) + "</title>\n";
    svg += Rect("pad", 0, 0, width, height, "fill=\"#ffffff\" stroke=\"#808080\"") + "\n";
    for (const QuickPadButton& b : pad.buttons) {
        const Rect16& r = b.place;
        const double x = r.left * kScale, y = r.top * kScale;
        const double w = (r.right - r.left) * kScale, h = (r.bottom - r.top) * kScale;
        svg += "<g>" + Rect("button", x, y, w, h, "fill=\"#c0c0c0\" stroke=\"#000000\"");
        svg += "<title>action " + std::to_string(b.actionId) + ": " + Xml(b.value) + "</title>";
        svg += "<text x=\"" + Num(x + w / 2) + "\" y=\"" + Num(y + h / 2) +
               "\" font-size=\"11\" text-anchor=\"middle\" dominant-baseline=\"central\">" + Xml(b.caption) +
               "</text></g>\n";
    }
    return svg + "</svg>\n";
}

// The toolbar twice, with small and with large buttons, then one line per button.
std::string ToolbarSvg(const Toolbar& toolbar)
{
    constexpr double kLargeRow = 40, kListTop = 90, kLine = 28;
    constexpr double kLegendLeft = 32, kLetter = 7; // 12-point letters are at most about 7 pixels wide
    auto legend = [](const ToolbarButton& b) {
        return Xml(b.tooltip.empty() ? "(no tooltip)" : b.tooltip) + " \xE2\x80\x94 action " +
               std::to_string(b.actionId) + ": " + Xml(b.value);
    };
    double width = 320;
    for (const ToolbarButton& b : toolbar.buttons) {
        width = std::max(width, static_cast<double>(std::max(b.small.right, b.large.right)) + 10);
        // The legend is as wide as its letters (a reference counts as one), so it is never cut.
        std::size_t letters = 0;
        const std::string text = legend(b);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '&')
                i = text.find(';', i);
            if (i == std::string::npos)
                break;
            letters += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 ? 1 : 0;
        }
        width = std::max(width, kLegendLeft + kLetter * static_cast<double>(letters) + 10);
    }
    const double height = kListTop + kLine * static_cast<double>(toolbar.buttons.size()) + 10;
    std::string svg = Header(width, height);
    svg += "<title>toolbar " + Xml(toolbar.name) + "</title>\n";
    svg += Rect("bar", 0, 0, width, height, "fill=\"#ffffff\" stroke=\"#808080\"") + "\n";
    auto image = [](const std::string& dib, double x, double y, double w, double h) {
        return "<image x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" width=\"" + Num(w) + "\" height=\"" + Num(h) +
               "\" href=\"data:image/bmp;base64," + Base64(BmpFile(dib)) + "\"/>";
    };
    for (std::size_t i = 0; i < toolbar.buttons.size(); ++i) {
        const ToolbarButton& b = toolbar.buttons[i];
        const std::string tip = "<title>" + Xml(b.tooltip) + "</title>";
        const Rect16& s = b.small;
        const Rect16& l = b.large;
        svg += "<g>" + Rect("button", s.left, s.top, s.right - s.left, s.bottom - s.top, "fill=\"#c0c0c0\" stroke=\"#000000\"") +
               image(b.images[0], s.left + 4, s.top + 4, 16, 15) + tip + "</g>\n";
        svg += "<g>" + Rect("large-button", l.left, l.top + kLargeRow, l.right - l.left, l.bottom - l.top,
                            "fill=\"#c0c0c0\" stroke=\"#000000\"") +
               image(b.images[2], l.left + 4, l.top + kLargeRow + 4, 24, 23) + tip + "</g>\n";
        const double y = kListTop + kLine * static_cast<double>(i);
        svg += image(b.images[0], 8, y, 16, 15) + "<text x=\"" + Num(kLegendLeft) + "\" y=\"" + Num(y + 12) +
               "\" font-size=\"12\">" + legend(b) + "</text>\n";
    }
    return svg + "</svg>\n";
}


// The picture of what read gives, drawn by draw; nothing when the bytes are not such a file.
template <typename File>
ReadResult Preview(std::string_view bytes, std::string& svg, ReadResult (*read)(std::string_view, File&),
                   std::string (*draw)(const File&))
{
    svg.clear();
    File file;
    const ReadResult result = read(bytes, file);
    if (result)
        svg = draw(file);
    return result;
}

} // namespace

ReadResult QuickPadPreview(std::string_view bytes, std::string& svg)
{
    return Preview(bytes, svg, &ReadQuickPad, &QuickPadSvg);
}

ReadResult ToolbarPreview(std::string_view bytes, std::string& svg) { return Preview(bytes, svg, &ReadToolbar, &ToolbarSvg); }

} // namespace formats
