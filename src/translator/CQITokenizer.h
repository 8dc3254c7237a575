#pragma once
// Splits a statement into tokens: delimiters are tokens of their own, the text between them is one
// token (blanks included), stop characters end the text.
#include "converters/PropertyList.h"

#include <string>

class CQITokenizer {
public:
    CQITokenizer(std::string separators, bool keepEmpty, std::string ignored, std::string stops,
                 std::string delimiters, bool keepSeparators, bool reserved);

    // The tokenizer of a translation run: "(", ")", "," and "=" are tokens, a line feed stops.
    static CQITokenizer ForStatements();

    void Tokenize(const std::string& text, PropertyList& out) const;

    std::string m_separators;
    bool m_keepEmpty;
    bool m_keepSeparators;
    bool m_reserved;
    std::string m_ignored;
    std::string m_stops;
    std::string m_delimiters;
};
