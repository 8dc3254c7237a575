#include "platform/Ansi.h"

namespace platform {

namespace {
// Code points of the bytes 0x80 to 0x9F; the five the code page leaves undefined map to themselves.
constexpr unsigned kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

char AnsiFromCodePoint(unsigned codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (unsigned i = 0; i < 32; ++i)
        if (kHighControls[i] == codePoint)
            return static_cast<char>(0x80 + i);
    return '?';
}

std::string AnsiFromUtf16Le(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        unsigned unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            i += 2; // a surrogate pair never fits the code page
            unit = 0x10000;
        }
        out.push_back(AnsiFromCodePoint(unit));
    }
    return out;
}

std::string AnsiFromUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        unsigned cp = lead;
        std::size_t length = 1;
        if (lead >= 0xF0)
            length = 4, cp = lead & 0x07;
        else if (lead >= 0xE0)
            length = 3, cp = lead & 0x0F;
        else if (lead >= 0xC0)
            length = 2, cp = lead & 0x1F;
        else if (lead >= 0x80)
            length = 1, cp = 0x110000; // a stray continuation byte
        if (i + length > text.size()) {
            out.push_back('?');
            break;
        }
        for (std::size_t k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(AnsiFromCodePoint(cp));
        i += length;
    }
    return out;
}

unsigned CodePointFromAnsi(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::string Utf8FromCodePoint(unsigned codePoint)
{
    std::string out;
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
    return out;
}

std::string Utf8FromAnsi(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        out += Utf8FromCodePoint(CodePointFromAnsi(static_cast<unsigned char>(c)));
    return out;
}

} // namespace platform
