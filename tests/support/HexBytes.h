#pragma once
// Bytes written by hand as hexadecimal pairs, for binary files a test expects: blanks and line
// breaks between pairs are ignored, and "#" starts a comment to the end of its line.
#include <string>

namespace testing_support {

inline std::string HexBytes(const std::string& hex)
{
    std::string out;
    std::string pair;
    bool comment = false;
    for (char c : hex) {
        if (c == '\n')
            comment = false;
        if (comment || c == '#') {
            comment = true;
            continue;
        }
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t')
            continue;
        pair.push_back(c);
        if (pair.size() == 2) {
            out.push_back(static_cast<char>(std::stoul(pair, nullptr, 16)));
            pair.clear();
        }
    }
    return out;
}

} // namespace testing_support
