#pragma once
// Turns the bytes of a session file (after its header) into complete statements, blanks outside
// quoted values dropped. Menu and system-menu statements are merged; the keyboard-map statement is
// held to the end of the file and gets the five editing-keypad mappings when the session asked for
// a VT editing keypad.
#include <functional>
#include <string>

class StatementReader {
public:
    // Fills the buffer with up to size bytes of the source; 0 at the end. The reader takes the
    // bytes one at a time, as they come.
    using ByteSource = std::function<std::size_t(char* buffer, std::size_t size)>;
    using StatementSink = std::function<void(std::string&)>; // one complete statement

    // injectEditKeys belongs to the translator: the sink may set it, the reader consumes it.
    StatementReader(ByteSource source, StatementSink sink, bool& injectEditKeys);
    void Run();

    static const std::string& EditKeypadMappings();

private:
    void Accept(char c);
    void EndStatement();
    // Hands a complete statement on, or holds it (the menu and keyboard-map statements).
    void Dispatch(std::string& statement);

    ByteSource m_source;
    StatementSink m_sink;
    bool& m_injectEditKeys;

    std::string m_statement;
    bool m_skipBlanks = true;
    bool m_inQuotes = false;
    int m_depth = 0;
    std::string m_heldMenu;
    bool m_menuPending = true;
    std::string m_heldKeyboardMap;
};
