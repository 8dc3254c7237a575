#pragma once
// Case folding of ASCII letters only, as every name comparison of the system does it, and the
// trimming of blanks around names and values.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

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

// FNV-1a over the bytes of text, each taken through fold first (a case folding, so that every
// spelling of a name hashes alike).
template <typename Fold>
std::uint64_t FoldedHash(std::string_view text, Fold fold)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(fold(c))) * 1099511628211ull;
    return hash;
}

// Hashing and comparing that ignore ASCII case, so that a map of names is looked up by any
// spelling of a name without a folded copy of it.
struct NoCaseHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept
    {
        const std::uint64_t hash = FoldedHash(text, FoldAscii);
        return static_cast<std::size_t>(hash ^ (hash >> 32));
    }
};
struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept { return EqualsNoCase(a, b); }
};
template <typename T>
using NoCaseMap = std::unordered_map<std::string, T, NoCaseHash, NoCaseEqual>;
