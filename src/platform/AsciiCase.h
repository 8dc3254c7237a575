#pragma once
// Case folding of ASCII letters only, as every name comparison of the system does it, and the
// trimming of blanks around names and values.
#include <string>
#include <string_view>

inline char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}

inline std::string FoldCase(std::string text)
{
    for (char& c : text)
        c = FoldAscii(c);
    return text;
}

inline std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = UpperAscii(c);
    return text;
}

// Text without the blanks (and carriage returns) at its ends.
inline std::string TrimBlanks(const std::string& text, const char* blanks = " \t")
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}
