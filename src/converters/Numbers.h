#pragma once
// Numbers in QIM! values, read as the C run-time reads them: every number of the system is read
// here, in one of these two ways.
#include <cstdint>
#include <string_view>

// What atoi gives for text (already unquoted), on this platform's long, without undefined
// behaviour on overflow: blanks, a sign, decimal digits.
std::int32_t DecimalValue(std::string_view text);
// What "%x" reads from text: blanks, an optional "0x", hexadecimal digits up to the first other
// character. Nothing readable gives 0; digits past the eighth push the first ones out, as a 32-bit
// number would.
std::uint32_t HexValue(std::string_view text);
