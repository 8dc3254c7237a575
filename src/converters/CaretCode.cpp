#include "converters/CaretCode.h"

bool DecodeCaret(const std::string& text, std::size_t& i, std::size_t end, char& out)
{
    if (i + 1 >= end)
        return false;
    const char code = text[i + 1];
    i += 2;
    if (code < '0' || code > '9') {
        out = static_cast<char>(code & 31);
        return true;
    }
    int value = code - '0';
    for (int digits = 1; digits < 3 && i < end && text[i] >= '0' && text[i] <= '9'; ++digits)
        value = value * 10 + (text[i++] - '0');
    out = static_cast<char>(value % 256);
    return true;
}
