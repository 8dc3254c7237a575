#pragma once
// Bytes written by hand as annotated hexadecimal, for binary files a test expects: pairs of hex
// digits are bytes, "text" in double quotes is its bytes, "#" starts a comment to the end of the
// line; blanks, line breaks and "|" are layout. Anything else fails the test.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>

namespace testing_support {

inline std::string HexBytes(const std::string& text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '#') {
            i = text.find('\n', i);
            if (i == std::string::npos)
                break;
        } else if (c == '"') {
            const std::size_t end = text.find('"', i + 1);
            EXPECT_NE(end, std::string::npos) << "unterminated text at " << i;
            if (end == std::string::npos)
                break;
            bytes += text.substr(i + 1, end - i - 1);
            i = end + 1;
        } else if (std::isxdigit(static_cast<unsigned char>(c))) {
            const bool pair = i + 1 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1]));
            EXPECT_TRUE(pair) << "a lone hex digit at " << i;
            if (!pair)
                break;
            bytes.push_back(static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16)));
            i += 2;
        } else {
            EXPECT_TRUE(std::isspace(static_cast<unsigned char>(c)) || c == '|') << "unexpected '" << c << "' at " << i;
            ++i;
        }
    }
    return bytes;
}

// Big-endian fields written by hand: a 16-bit value, a counted string, and one counted with its
// terminating zero.
inline std::string Be16(unsigned v) { return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)}; }
inline std::string Counted(const std::string& text) { return Be16(static_cast<unsigned>(text.size())) + text; }
inline std::string CountedZ(const std::string& text) { return Counted(text + '\0'); }

// Both files in hexadecimal, 16 bytes a line, from the line of the first difference on.
inline std::string HexDifference(const std::string& expected, const std::string& actual)
{
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    auto lines = [at](const std::string& bytes) {
        std::string out;
        for (std::size_t line = at / 16 * 16; line < bytes.size() && line < at / 16 * 16 + 64; line += 16) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "%04zX:", line);
            out += buffer;
            for (std::size_t i = line; i < line + 16 && i < bytes.size(); ++i) {
                std::snprintf(buffer, sizeof buffer, " %02X", static_cast<unsigned char>(bytes[i]));
                out += buffer;
            }
            out += "\n";
        }
        return out;
    };
    return "first difference at byte " + std::to_string(at) + " (sizes " + std::to_string(expected.size()) + " and " +
           std::to_string(actual.size()) + ")\nexpected:\n" + lines(expected) + "actual:\n" + lines(actual);
}

} // namespace testing_support
