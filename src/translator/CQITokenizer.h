#pragma once
// Splits a statement into tokens: delimiters are tokens of their own, the text between them is one
// token (blanks included), stop characters end the text. Tokens are views into the text, so a
// statement is split without an allocation per token; the text must outlive them.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

using TokenList = std::vector<std::string_view>;

class CQITokenizer {
public:
    CQITokenizer(std::string separators, bool keepEmpty, std::string ignored, std::string stops,
                 std::string delimiters, bool keepSeparators, bool reserved);

    // The tokenizer of a translation run: "(", ")", "," and "=" are tokens, a line feed stops.
    static CQITokenizer ForStatements();

    // Appends the tokens of text to out. A token of kept separators, or one that skips ignored
    // characters, is kept in the tokenizer until the next call (the views stay valid until then).
    void Tokenize(std::string_view text, TokenList& out) const;

    std::string m_separators;
    bool m_keepEmpty;
    bool m_keepSeparators;
    bool m_reserved;
    std::string m_ignored;
    std::string m_stops;
    std::string m_delimiters;

private:
    enum : std::uint8_t { kStop = 1, kIgnored = 2, kSeparator = 4, kDelimiter = 8 };
    std::uint8_t m_classes[256] = {}; // what each byte is, from the character sets above
    // Tokens that are no plain run of the text; a deque never moves the strings the views show.
    mutable std::deque<std::string> m_built;
};
