#pragma once
// What the QuickPad and the toolbar file share, field for field: both start "QPAD" with a version,
// both name themselves and their label after the header, and every button block starts with its
// tag, its action, its text colour and its value. Used by QuickPad.cpp and Toolbar.cpp only.
#include "formats/Bytes.h"
#include "formats/Rect16.h"

#include <cstdint>
#include <string>

namespace formats::bars {

constexpr char kMagic[] = "QPAD";

// The first fields: "QPAD", the version, 0, a padding byte, two 16-bit values, a flag byte and a
// padding byte. The reader reads the two values, or checks them when the file fixes them.
struct FileHead {
    unsigned version = 0;
    int first = 0, second = 0;
    unsigned flag = 0;
    bool valuesFixed = false;
};
void WriteFileHead(ByteWriter& out, const FileHead& head);
bool ReadFileHead(ByteReader& in, FileHead& head);

// The file's own name and its label, as counted strings.
void WriteNames(ByteWriter& out, const std::string& name, const char* label);
bool ReadNames(ByteReader& in, std::string& name, const char* label);

// A button block's start: the tag, type 3, the action, 0 (16 bits), 0, a padding byte, the style
// ('S', 2, the text colour's palette index) and the value as a counted string.
struct ButtonHead {
    std::uint16_t actionId = 0;
    std::uint16_t textColour = 0; // palette index
    std::string value;            // the action text
};
void WriteButtonHead(ByteWriter& out, char tag, const ButtonHead& head);
bool ReadButtonHead(ByteReader& in, char tag, ButtonHead& head);

void WriteRect(ByteWriter& out, const Rect16& r);
bool ReadRect(ByteReader& in, Rect16& r);

// Dump lines: a field name in a column of its own, then the value.
void Line(std::string& text, const std::string& field, const std::string& value);
std::string RectText(const Rect16& r);
void ButtonHeadLines(std::string& text, const ButtonHead& head);

} // namespace formats::bars
