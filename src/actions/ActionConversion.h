#pragma once
// One QIM! action (a kind and its operand) as TORQA! stores it: an action identifier and a text.
// The keyboard, QuickPad, toolbar and mouse converters share this sequence and differ only in the
// choices they pass.
#include "converters/PropertyList.h"

#include <cstdint>
#include <string>
#include <string_view>

class CQIConverter;

struct ActionChoices {
    std::string nameHint;                   // names the TORQA! macro a macro action becomes
    std::string binding;                    // names the binding in notices (else the name hint)
    bool abandonWhenMacroFileMissing = true; // else the macro text is empty and the action goes on
    int macroFailureReport = 3;             // report code when the macro cannot be translated
    bool keepOperandWithoutMacroText = true; // an action without macro text keeps its operand
    bool acceptVtFunction = true;           // else VTFunction is skipped like an unknown kind
    bool reportUnknownKind = true;          // "Value=<kind>" as unconverted, else silently skipped
};

struct Action {
    enum class Outcome {
        Converted, // id and text hold the action
        Skipped,   // nothing to write; reported where the choices say so
        Failed,    // a macro that could not be translated; reported
    };
    Outcome outcome = Outcome::Skipped;
    std::uint16_t id = 0;
    std::string text;
    enum class Kind { Other, Macro, Command, Sequence, String, VtFunction, Nothing } kind = Kind::Other;
    bool usesOperand = true;      // false for Nothing: the token after the kind starts the next binding
    bool macroTranslated = false; // the text names a macro the translator wrote
    std::string operand;          // the operand without its quotes, as reports show it
};

// kind and operand in their source form (quoted); operand is ignored by "Nothing".
Action ConvertAction(CQIConverter& converter, const std::string& kind, const std::string& operand,
                     const ActionChoices& choices);

// The bindings of a statement (keys, mouse events, buttons), read one after the other.
// Moves position onto the next token that is name (ignoring case); at the end of the list it steps
// one past the end and answers false.
bool FindBinding(const PropertyList& properties, std::size_t& position, std::string_view name);

// A binding's kind. Unquote refuses a value of fewer than two characters, so the kind keeps the last
// value it accepted within one search: a one-character kind after a binding passed over reads as
// that binding's. The token keeps its source form, as ConvertAction takes it.
class BindingKind {
public:
    void Read(CQIConverter& converter, const std::string& value);
    const std::string& Name() const { return m_name; }
    const std::string& Token() const { return m_token; }

private:
    std::string m_name, m_token;
};
