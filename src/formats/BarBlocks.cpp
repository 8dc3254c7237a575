#include "formats/BarBlocks.h"

namespace formats::bars {

void WriteFileHead(ByteWriter& out, const FileHead& head)
{
    out.Bytes(kMagic);
    out.U8(head.version);
    out.U8(0);
    out.U8(0); // padding
    out.U16(static_cast<unsigned>(head.first));
    out.U16(static_cast<unsigned>(head.second));
    out.U8(head.flag);
    out.U8(0); // padding
}

bool ReadFileHead(ByteReader& in, FileHead& head)
{
    if (!in.ExpectMagic(kMagic) || !in.ExpectVersion(head.version) || !in.Expect8(0, "the byte after the version") ||
        !in.Expect8(0, "a padding byte"))
        return false;
    const bool values = head.valuesFixed ? in.Expect16(static_cast<unsigned>(head.first), "the first header value") &&
                                               in.Expect16(static_cast<unsigned>(head.second), "the second header value")
                                         : in.S16(head.first) && in.S16(head.second);
    return values && in.Expect8(head.flag, "the header's flag byte") && in.Expect8(0, "a padding byte");
}

void WriteNames(ByteWriter& out, const std::string& name, const char* label)
{
    out.Counted(name);
    out.Counted(label);
}

bool ReadNames(ByteReader& in, std::string& name, const char* label)
{
    return in.Counted(name) && in.ExpectCounted(label, false, "the label");
}

void WriteButtonHead(ByteWriter& out, char tag, const ButtonHead& head)
{
    out.U8(static_cast<unsigned char>(tag));
    out.U8(3);
    out.U16(head.actionId);
    out.U16(0);
    out.U8(0);
    out.U8(0); // padding
    out.U8('S');
    out.U8(2);
    out.U16(head.textColour);
    out.Counted(head.value);
}

bool ReadButtonHead(ByteReader& in, char tag, ButtonHead& head)
{
    unsigned action = 0, colour = 0;
    if (!in.Expect8(static_cast<unsigned char>(tag), "the button tag") || !in.Expect8(3, "the button type") ||
        !in.U16(action) || !in.Expect16(0, "the value after the action") ||
        !in.Expect8(0, "the byte after the action") || !in.Expect8(0, "a padding byte") ||
        !in.Expect8('S', "the style tag") || !in.Expect8(2, "the style type") || !in.U16(colour) ||
        !in.Counted(head.value))
        return false;
    head.actionId = static_cast<std::uint16_t>(action);
    head.textColour = static_cast<std::uint16_t>(colour);
    return true;
}

void WriteRect(ByteWriter& out, const Rect16& r)
{
    for (const int edge : {r.top, r.left, r.bottom, r.right})
        out.U16(static_cast<unsigned>(edge));
}

bool ReadRect(ByteReader& in, Rect16& r) { return in.S16(r.top) && in.S16(r.left) && in.S16(r.bottom) && in.S16(r.right); }

void Line(std::string& text, const std::string& field, const std::string& value)
{
    text += "  " + field + std::string(field.size() < 12 ? 12 - field.size() : 1, ' ') + value + "\n";
}

std::string RectText(const Rect16& r)
{
    return "top " + std::to_string(r.top) + ", left " + std::to_string(r.left) + ", bottom " +
           std::to_string(r.bottom) + ", right " + std::to_string(r.right);
}

void ButtonHeadLines(std::string& text, const ButtonHead& head)
{
    Line(text, "action", std::to_string(head.actionId));
    Line(text, "text", Quoted(head.value));
    Line(text, "colour", "palette index " + std::to_string(head.textColour));
}

} // namespace formats::bars
