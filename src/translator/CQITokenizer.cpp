#include "translator/CQITokenizer.h"

#include <utility>

CQITokenizer::CQITokenizer(std::string separators, bool keepEmpty, std::string ignored, std::string stops,
                           std::string delimiters, bool keepSeparators, bool reserved)
    : m_separators(std::move(separators)), m_keepEmpty(keepEmpty), m_keepSeparators(keepSeparators),
      m_reserved(reserved), m_ignored(std::move(ignored)), m_stops(std::move(stops)),
      m_delimiters(std::move(delimiters))
{
}

CQITokenizer CQITokenizer::ForStatements() { return CQITokenizer("", false, "", "\n", "(),=", false, false); }

void CQITokenizer::Tokenize(const std::string& text, PropertyList& out) const
{
    std::string token;
    auto emit = [&] {
        if (token.empty() && !m_keepEmpty)
            return;
        out.push_back(token);
        token.clear();
    };
    for (const char c : text) {
        if (c == '\0' || m_stops.find(c) != std::string::npos)
            break;
        if (m_ignored.find(c) != std::string::npos)
            continue;
        if (m_separators.find(c) != std::string::npos) {
            if (m_keepSeparators) {
                token.push_back(c);
                emit();
            }
            continue;
        }
        if (m_delimiters.find(c) != std::string::npos) {
            emit();
            token.push_back(c);
            emit();
            continue;
        }
        token.push_back(c);
    }
    if (!token.empty())
        emit();
}
