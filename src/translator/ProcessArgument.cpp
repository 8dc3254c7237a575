#include "converters/CQIConverter.h"
#include "platform/AsciiCase.h"
#include "platform/Debug.h"
#include "platform/Files.h"
#include "translator/CQITokenizer.h"
#include "translator/CQITranslator.h"
#include "translator/StatementReader.h"

namespace {

bool BeginsWith(std::string_view text, char c) { return !text.empty() && text.front() == c; }
bool EndsWithQuote(std::string_view text) { return !text.empty() && text.back() == '"'; }
bool EndsWithUnescapedQuote(std::string_view text)
{
    return EndsWithQuote(text) && !(text.size() >= 2 && text[text.size() - 2] == '\\');
}

// A quoted Value whose text the tokenizer cut at commas, parentheses or "=": the pieces are joined
// again up to the piece that closes the quote. Answers the index of the value's last token.
std::size_t GlueQuotedValue(const TokenList& tokens, std::size_t i, std::size_t n, std::string& value)
{
    value = tokens[i];
    while (i + 1 < n) {
        const std::string_view piece = tokens[++i];
        value += piece;
        if (piece == "\"")
            break;
        if (EndsWithUnescapedQuote(piece)) {
            if (i + 1 < n && tokens[i + 1] == ",")
                break;
            // A closing quote not followed by a comma: the quote was inside the text, and the token
            // after it belongs to the value as well.
            if (i + 1 < n)
                value += tokens[++i];
        }
    }
    return i;
}

} // namespace

void BuildPropertyList(const TokenList& tokens, PropertyList& properties)
{
    std::size_t n = tokens.size();
    std::size_t i = 0;
    if (n > 2 && BeginsWith(tokens[1], '(')) {
        properties.emplace_back(tokens[0]);
        i = 2;
        --n; // the closing parenthesis
    }
    while (i < n) {
        const std::string_view key = tokens[i];
        properties.emplace_back(key);
        i += 2;
        std::string value;
        if (EqualsNoCase(key, "Value") && i < n && BeginsWith(tokens[i], '"')) {
            std::size_t last = i;
            // A token that begins and ends with a quote is the whole value, a lone quote too: a
            // text beginning with a delimiter (",abc") is cut there, and what follows the delimiter
            // is read as the next property.
            if (EndsWithQuote(tokens[i])) {
                value = tokens[i];
            } else {
                last = GlueQuotedValue(tokens, i, n, value);
                platform::DebugOutput(value + "\n");
            }
            i = last + 2;
        } else {
            // The value runs up to the next "key =" that follows a comma. An unquoted Value keeps its
            // text this way too, like every other key.
            std::size_t j = i;
            while (j < n && !(j >= 2 && BeginsWith(tokens[j], '=') && BeginsWith(tokens[j - 2], ',')))
                ++j;
            if (j < n) {
                for (std::size_t k = i; k + 3 <= j; ++k)
                    value += tokens[k];
                i = j - 1;
            } else {
                for (std::size_t k = i; k < n; ++k)
                    value += tokens[k];
                i = n;
            }
        }
        properties.push_back(std::move(value));
    }
}

bool CQITranslator::ProcessArgument(CQITokenizer& tokenizer, std::string& statement)
{
    TokenList& tokens = m_tokens;
    tokens.clear();
    tokenizer.Tokenize(statement, tokens);
    if (tokens.empty())
        return false;
    if (EqualsNoCase(tokens[0], "Graphics"))
        m_terminalModel = 340;

    PropertyList properties;
    BuildPropertyList(tokens, properties);

    if (EqualsNoCase(properties[0], "Keyboard")) {
        for (std::size_t k = 0; k + 1 < properties.size(); ++k) {
            if (EqualsNoCase(properties[k], "EditpadArrangement") && EqualsNoCase(properties[k + 1], "\"VT\"")) {
                m_injectEditKeys = true;
                break;
            }
        }
    }

    CQIConverter* converter = m_registry.GetConverter(properties[0].c_str());
    if (!converter)
        return false;
    converter->m_reportFile = m_reportFile.get();
    converter->m_sourceSessionDir = m_sourceSessionDir;
    converter->m_macroDirectory = m_targetMacroDir;
    converter->m_statementGroup = properties[0];
    converter->m_terminalModel = m_terminalModel;
    return converter->Convert(properties, m_outputPath.c_str(), m_targetSchemeDir.c_str());
}

bool CQITranslator::ReadStatements(CQITokenizer& tokenizer)
{
    platform::File& source = *m_sourceFile;
    StatementReader reader(
        [&source](char* buffer, std::size_t size) { return source.Read(buffer, size); },
        [this, &tokenizer](std::string& statement) { ProcessArgument(tokenizer, statement); }, m_injectEditKeys);
    reader.Run();
    return true;
}
