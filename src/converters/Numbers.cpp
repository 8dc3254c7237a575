#include "converters/Numbers.h"

#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The value of c as a digit of base (10 or 16), or -1.
int Digit(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

std::size_t SkipBlanks(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

} // namespace

// The digits are read as strtol reads them, saturating at the limits of long, and the long is then
// cut to 32 bits. That is what glibc's atoi returns ((int) strtol): on 64-bit Linux "4294967297"
// gives 1 and a number past the range of long gives -1 (LONG_MAX cut) or 0 (LONG_MIN cut); where
// long has 32 bits (Windows, 32-bit Linux) it saturates at INT_MAX and INT_MIN, as the Windows
// run-time's atoi does.
std::int32_t DecimalValue(std::string_view text)
{
    std::size_t i = SkipBlanks(text);
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    // Accumulated as a negative number, whose range holds the magnitude of LONG_MIN.
    constexpr long kLow = std::numeric_limits<long>::min();
    long value = 0;
    bool saturated = false;
    for (int digit = 0; i < text.size() && (digit = Digit(text[i], 10)) >= 0; ++i) {
        if (saturated || value < (kLow + digit) / 10) {
            saturated = true;
            continue;
        }
        value = value * 10 - digit;
    }
    long result = 0;
    if (saturated)
        result = negative ? kLow : std::numeric_limits<long>::max();
    else if (negative)
        result = value;
    else
        result = value == kLow ? std::numeric_limits<long>::max() : -value;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<unsigned long>(result)));
}

std::uint32_t HexValue(std::string_view text)
{
    std::size_t i = SkipBlanks(text);
    if (text.substr(i, 2) == "0x" || text.substr(i, 2) == "0X")
        i += 2;
    std::uint32_t value = 0;
    for (int digit = 0; i < text.size() && (digit = Digit(text[i], 16)) >= 0; ++i)
        value = value << 4 | static_cast<std::uint32_t>(digit);
    return value;
}
