#include "SummaryText.h"

#include "platform/Ansi.h"

#include <algorithm>
#include <cstdio>

namespace summary {

namespace {

// The length of the well-formed UTF-8 sequence at text[at] (no overlong forms, no surrogates,
// nothing past U+10FFFF); 0 when there is none.
std::size_t Utf8SequenceAt(const std::string& text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    const unsigned second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

#ifndef _WIN32
bool IsWideUtf8(const std::string& text)
{
    bool wide = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceAt(text, at);
        if (length == 0)
            return false;
        wide = wide || length > 1;
        at += length;
    }
    return wide;
}
#endif

// Calls each(codePoint, utf8) for every character of the text made UTF-8.
template <typename Each>
void ForEachCharacter(const std::string& text, Each each)
{
    const std::string utf8 = Utf8Of(text);
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = std::max<std::size_t>(Utf8SequenceAt(utf8, at), 1); // always well formed
        const auto lead = static_cast<unsigned char>(utf8[at]);
        unsigned code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i)
            code = (code << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3F);
        each(code, utf8.substr(at, length));
        at += length;
    }
}

int HexDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool IsControl(unsigned code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

// The ASCII names of the control characters 0 to 31.
const char* const kControlNames[32] = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS", "HT",  "LF", "VT",  "FF", "CR", "SO", "SI",
    "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN", "EM", "SUB", "ESC", "FS", "GS", "RS", "US",
};

std::string ControlBox(unsigned code)
{
    char title[16];
    std::snprintf(title, sizeof title, "U+%04X", code);
    const std::string name = code < 0x20 ? kControlNames[code] : code == 0x7F ? "DEL" : title;
    return "<span class=\"control\" title=\"" + std::string(title) + "\">" + name + "</span>";
}

std::string ControlPicture(unsigned code)
{
    return platform::Utf8FromCodePoint(code < 0x20 ? 0x2400 + code : code == 0x7F ? 0x2421 : 0xFFFD);
}

// Text escaped for HTML, each control character but tab and line ends as control(code) shows it.
std::string Html(const std::string& text, std::string (*control)(unsigned))
{
    std::string out;
    bool carriageReturn = false; // held back until it is known whether a line feed follows
    ForEachCharacter(text, [&](unsigned code, const std::string& utf8) {
        if (carriageReturn && code != '\n')
            out += control('\r');
        carriageReturn = code == '\r';
        switch (code) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '\t':
        case '\n': out += utf8; break;
        case '\r': break;
        default: out += IsControl(code) ? control(code) : utf8;
        }
    });
    if (carriageReturn)
        out += control('\r');
    return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Paths (runs of non-blanks holding '/' or '\') replaced by "..."; quoted texts kept as they are,
// or with notice replaced too, and the text then cut after its first sentence (a word, not a path,
// ending in '.').
std::string Generalized(const std::string& text, bool notice)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '"') {
            const std::size_t close = text.find('"', at + 1);
            if (close != std::string::npos) {
                out += notice ? std::string("\"...\"") : text.substr(at, close + 1 - at);
                at = close + 1;
                continue;
            }
        }
        if (IsBlank(text[at])) {
            out += text[at++];
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !IsBlank(text[end]) && text[end] != '"')
            ++end;
        const std::string word = text.substr(at, end - at);
        const bool path = word.find_first_of("/\\") != std::string::npos;
        out += path ? "..." : word;
        if (notice && !path && word.back() == '.')
            break;
        at = end;
    }
    return out;
}

// "Name: " or "Name (anything): " in front, Name being a statement group ("Keyboard.Mapping") or
// the library's "A macro": the length to drop, or 0.
std::size_t SubjectLength(const std::string& notice)
{
    const std::size_t colon = notice.find(": ");
    if (colon == std::string::npos)
        return 0;
    std::string name = notice.substr(0, colon);
    if (const std::size_t open = name.find(" ("); open != std::string::npos && name.back() == ')')
        name.resize(open);
    if (name == "A macro")
        return colon + 2;
    if (name.empty() || !((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z')))
        return 0;
    for (const char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_'))
            return 0;
    return colon + 2;
}

} // namespace

std::string Utf8Of(const std::string& text)
{
#ifndef _WIN32
    if (IsWideUtf8(text))
        return text;
#endif
    return platform::Utf8FromAnsi(text);
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    ForEachCharacter(text, [&](unsigned code, const std::string& utf8) {
        if (code == '"' || code == '\\') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code == '\n') {
            out += "\\n";
        } else if (code == '\r') {
            out += "\\r";
        } else if (code == '\t') {
            out += "\\t";
        } else if (IsControl(code) || code == 0x2028 || code == 0x2029) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", code);
            out += escape;
        } else {
            out += utf8;
        }
    });
    return out + "\"";
}

std::string HtmlText(const std::string& text) { return Html(text, &ControlBox); }

std::string HtmlAttribute(const std::string& text) { return Html(text, &ControlPicture); }

std::string UnquoteDump(const std::string& quoted)
{
    std::string text = quoted;
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\' || at + 1 >= text.size()) {
            out += text[at];
            continue;
        }
        const char next = text[++at];
        const int high = at + 2 < text.size() ? HexDigit(text[at + 1]) : -1;
        const int low = at + 2 < text.size() ? HexDigit(text[at + 2]) : -1;
        if (next == 't') {
            out += '\t';
        } else if (next == 'x' && high >= 0 && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            at += 2;
        } else {
            out += next;
        }
    }
    return out;
}

std::string NoticeKind(const std::string& notice)
{
    return Generalized(notice.substr(SubjectLength(notice)), true);
}

std::string ReasonKind(const std::string& reason) { return Generalized(reason, false); }

} // namespace summary
