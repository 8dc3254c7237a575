#include "devices/CQIMouseConverter.h"

#include "actions/ActionConversion.h"
#include "platform/AsciiCase.h"

#include <cstdlib>

namespace {

struct MouseEvent {
    const char* name; // as QIM! names it, compared ignoring case
    const char* code; // starts the names of the event's keys
};

constexpr MouseEvent kEvents[] = {
    {"Left Button Down", "LBP"},    {"Left Button Up", "LBR"},    {"Left Double-Click", "LBD"},
    {"Right Button Down", "RBP"},   {"Right Button Up", "RBR"},   {"Right Double-Click", "RBD"},
    {"Middle Button Down", "MBP"},  {"Middle Button Up", "MBR"},  {"Middle Double-Click", "MBD"},
};

// The action code TORQA! keeps beside the identifier, by kind; kinds without one are not carried.
const char* ActionCode(Action::Kind kind)
{
    switch (kind) {
    case Action::Kind::Nothing: return "1";
    case Action::Kind::Sequence:
    case Action::Kind::String: return "2";
    case Action::Kind::Macro: return "3";
    case Action::Kind::Command: return "4";
    default: return nullptr;
    }
}

} // namespace

bool CQIMouseConverter::Convert(const PropertyList& properties, const char* outputSessionPath, const char*)
{
    const std::string target = outputSessionPath ? outputSessionPath : "";
    std::size_t position = 0;
    while (position < properties.size()) {
        std::int32_t actionId = 0;
        std::string value, eventCode, actionCode;
        if (!ReadNextMouseBinding(properties, position, actionId, value, eventCode, actionCode))
            continue;
        WriteProfile("Session", eventCode + "Action", actionCode, target);
        WriteProfile("Session", eventCode + "ActionID", std::to_string(actionId), target);
        WriteProfile("Session", eventCode + "ActionString", value, target);
    }
    return false;
}

bool CQIMouseConverter::ReadNextMouseBinding(const PropertyList& properties, std::size_t& position,
                                             std::int32_t& actionId, std::string& value, std::string& eventCode,
                                             std::string& actionCode)
{
    value.clear();
    eventCode.clear();
    const std::size_t n = properties.size();
    // The event, like the kind, keeps the last value Unquote accepted within this call.
    BindingKind kind;
    while (FindBinding(properties, position, "Action")) {
        Unquote(ValueAt(properties, position + 1), eventCode);
        for (const MouseEvent& event : kEvents)
            if (EqualsNoCase(eventCode, event.name)) {
                eventCode = event.code;
                break;
            }
        position += 2;
        if (position >= n || !EqualsNoCase(properties[position], "Mapto"))
            return false; // the search goes on from this token

        kind.Read(*this, ValueAt(properties, position + 1));
        position += 2; // the operand's property name, whatever its name
        const std::size_t operand = position + 1;

        ActionChoices choices;
        if (EqualsNoCase(kind.Name(), "Macro")) {
            // The macro is named after the event and a number from 0 to 999: the run-time's
            // generator, which the library never seeds, drawn once per macro binding.
            choices.nameHint = eventCode + std::to_string(std::rand() % 1000);
        }
        choices.binding = eventCode;
        choices.acceptVtFunction = false;
        choices.reportUnknownKind = false;
        const Action action = ConvertAction(*this, kind.Token(), ValueAt(properties, operand), choices);
        const char* code = ActionCode(action.kind);
        if (!code)
            continue; // skipped without a report; the search goes on after the kind
        if (action.outcome != Action::Outcome::Converted) {
            position = operand; // a macro left out ends the call on its operand
            return false;
        }
        if (action.usesOperand)
            position = operand + 1;
        actionCode = code;
        actionId = action.id;
        value = action.text;
        return position <= n;
    }
    return false;
}
