#include "translator/StatementReader.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

// Puts text in front of the last ')' (at the end when there is none).
void InsertBeforeLastParen(std::string& statement, const std::string& text)
{
    const std::size_t paren = statement.rfind(')');
    statement.insert(paren == std::string::npos ? statement.size() : paren, text);
}

bool Contains(std::string_view text, const char* what) { return text.find(what) != std::string_view::npos; }

} // namespace

StatementReader::StatementReader(ByteSource source, StatementSink sink, bool& injectEditKeys)
    : m_source(std::move(source)), m_sink(std::move(sink)), m_injectEditKeys(injectEditKeys)
{
}

const std::string& StatementReader::EditKeypadMappings()
{
    // The editing keys of a VT keypad on the PC's editing block; key names between 0xAB and 0xBB.
    static const std::string mappings = std::string(",") +
        "PCKey=\"Insert [12D]\", MapTo=\"Sequence\", Value=\"\xAB" "Find\xBB\"," +
        "PCKey=\"Home [124]\", MapTo=\"Sequence\", Value=\"\xAB" "Insert\xBB\"," +
        "PCKey=\"Page Up [121]\", MapTo=\"Sequence\", Value=\"\xAB" "Remove\xBB\"," +
        "PCKey=\"Delete [12E]\", MapTo=\"Sequence\", Value=\"\xAB" "Select\xBB\"," +
        "PCKey=\"End [123]\", MapTo=\"Sequence\", Value=\"\xAB" "Prev\xBB\" ";
    return mappings;
}

void StatementReader::Run()
{
    // The bytes the rules below look at; any other byte is only appended to the statement.
    static const auto kMarks = [] {
        std::array<bool, 256> marks{};
        for (const unsigned char c : std::string_view("\t\n \"()+,"))
            marks[c] = true;
        return marks;
    }();
    char block[4096];
    for (std::size_t got = 0; (got = m_source(block, sizeof block)) > 0;) {
        for (std::size_t i = 0; i < got;) {
            std::size_t plain = i;
            while (plain < got && !kMarks[static_cast<unsigned char>(block[plain])])
                ++plain;
            if (plain > i) {
                m_statement.append(block + i, plain - i);
                i = plain;
                continue;
            }
            const char c = block[i++];
            Accept(c);
            if (m_depth == 0 && c == '\n')
                EndStatement();
        }
    }
    if (m_menuPending && !m_heldMenu.empty())
        m_sink(m_heldMenu);
    if (!m_heldKeyboardMap.empty())
        m_sink(m_heldKeyboardMap);
    // Text after the last statement's line end is not a statement.
}

void StatementReader::Accept(char c)
{
    const bool any = !m_statement.empty();
    const char last = any ? m_statement.back() : '\0';
    switch (c) {
    case '\t':
    case '\n':
        return;
    case ' ':
        if (m_skipBlanks)
            return;
        break;
    case '"':
        if (any) {
            if (last == '=') {
                m_inQuotes = true;
                m_skipBlanks = false;
            } else {
                if (last != '\\')
                    m_inQuotes = false;
                if (last == '+')
                    m_inQuotes = true;
            }
        }
        break;
    case '(':
        if (!m_inQuotes)
            ++m_depth;
        break;
    case ')':
        if (!m_inQuotes)
            --m_depth;
        if (m_depth == 0)
            m_skipBlanks = false;
        break;
    case '+':
        if (any && last == '"') {
            m_skipBlanks = false;
            m_inQuotes = true;
        }
        break;
    case ',':
        if (any && last == '"') {
            m_skipBlanks = true;
            m_inQuotes = false;
            // Each backslash in front of that quote flips both: \", stays inside, \\", ends.
            for (std::size_t i = m_statement.size() - 1; i > 0 && m_statement[i - 1] == '\\'; --i) {
                m_skipBlanks = !m_skipBlanks;
                m_inQuotes = !m_inQuotes;
            }
        }
        break;
    default:
        break;
    }
    m_statement.push_back(c);
}

void StatementReader::EndStatement()
{
    std::string statement;
    statement.swap(m_statement);
    m_skipBlanks = true;
    if (!statement.empty())
        Dispatch(statement);
    statement.clear();
    m_statement.swap(statement); // the next statement grows in this one's buffer
}

void StatementReader::Dispatch(std::string& statement)
{
    if (statement.size() >= 2 && statement.compare(statement.size() - 2, 2, " )") == 0)
        statement.erase(statement.size() - 2, 1);

    const std::size_t paren = statement.find('(');
    const std::string_view group = paren == std::string::npos ? std::string_view() : std::string_view(statement).substr(0, paren);
    if (Contains(group, "Menus")) {
        // Held for its system menu. A menu statement after the system-menu statement stays held
        // for good: files made by QIM! put the menu statement first.
        m_heldMenu = statement;
    } else if (Contains(group, "SystemMenu")) {
        m_menuPending = false;
        if (m_heldMenu.empty())
            statement = "SystemMenu=" + statement;
        std::string rewritten;
        for (const char c : statement) {
            if (c == '(')
                rewritten.push_back(',');
            else if (c != ')')
                rewritten.push_back(c);
        }
        if (m_heldMenu.empty()) {
            m_sink(rewritten);
        } else {
            InsertBeforeLastParen(m_heldMenu, ",SystemMenu=" + rewritten);
            std::string merged;
            merged.swap(m_heldMenu);
            m_sink(merged);
        }
    } else if (Contains(group, "Keyboard.Mapping")) {
        m_heldKeyboardMap = statement;
        if (m_injectEditKeys) {
            InsertBeforeLastParen(m_heldKeyboardMap, EditKeypadMappings());
            m_injectEditKeys = false;
        }
    } else {
        m_sink(statement);
    }
}
