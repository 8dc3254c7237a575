#include "translator/CQITokenizer.h"

#include <utility>

CQITokenizer::CQITokenizer(std::string separators, bool keepEmpty, std::string ignored, std::string stops,
                           std::string delimiters, bool keepSeparators, bool reserved)
    : m_separators(std::move(separators)), m_keepEmpty(keepEmpty), m_keepSeparators(keepSeparators),
      m_reserved(reserved), m_ignored(std::move(ignored)), m_stops(std::move(stops)),
      m_delimiters(std::move(delimiters))
{
    // A byte's first class in the order the tokenizer asks: stop, ignored, separator, delimiter.
    const std::pair<const std::string*, std::uint8_t> sets[] = {
        {&m_delimiters, kDelimiter}, {&m_separators, kSeparator}, {&m_ignored, kIgnored}, {&m_stops, kStop}};
    for (const auto& [set, cls] : sets)
        for (const char c : *set)
            m_classes[static_cast<unsigned char>(c)] = cls;
    m_classes[0] = kStop;
}

CQITokenizer CQITokenizer::ForStatements() { return CQITokenizer("", false, "", "\n", "(),=", false, false); }

void CQITokenizer::Tokenize(std::string_view text, TokenList& out) const
{
    m_built.clear();
    // The token under way: a run of the text [start, end), or, once an ignored character or a kept
    // separator broke the run, a copy of its own.
    std::size_t start = 0, end = 0;
    bool copied = false;
    std::string copy;
    auto emit = [&] {
        const bool empty = copied ? copy.empty() : start == end;
        if (!empty || m_keepEmpty) {
            if (copied) {
                m_built.push_back(std::move(copy));
                out.push_back(m_built.back());
            } else {
                out.push_back(text.substr(start, end - start));
            }
        }
        copied = false;
        copy.clear();
    };
    auto add = [&](std::size_t i) {
        if (copied)
            copy.push_back(text[i]);
        else if (start == end)
            start = i, end = i + 1;
        else if (end == i)
            end = i + 1;
        else {
            copy.assign(text.substr(start, end - start));
            copy.push_back(text[i]);
            copied = true;
        }
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (m_classes[static_cast<unsigned char>(text[i])]) {
        case kStop: i = text.size() - 1; continue; // the loop ends here
        case kIgnored: continue;
        case kSeparator:
            if (m_keepSeparators) {
                add(i);
                emit();
                start = end = i + 1;
            }
            continue;
        case kDelimiter:
            emit();
            start = i, end = i + 1;
            emit();
            start = end = i + 1;
            continue;
        default: {
            // A run of plain bytes: taken whole while the token is still a run of the text.
            std::size_t last = i;
            while (last + 1 < text.size() && m_classes[static_cast<unsigned char>(text[last + 1])] == 0)
                ++last;
            if (!copied && (start == end || end == i)) {
                if (start == end)
                    start = i;
                end = last + 1;
            } else {
                for (std::size_t k = i; k <= last; ++k)
                    add(k);
            }
            i = last;
        }
        }
    }
    if (copied ? !copy.empty() : start != end)
        emit();
}
