#include "actions/ActionConversion.h"

#include "actions/ActionIds.h"
#include "actions/CQIMacroLibrary.h"
#include "actions/MacroFiles.h"
#include "converters/CQIConverter.h"
#include "platform/AsciiCase.h"

namespace {

struct KindName {
    const char* name;
    Action::Kind kind;
};

constexpr KindName kKinds[] = {
    {"Macro", Action::Kind::Macro},           {"Command", Action::Kind::Command},
    {"Sequence", Action::Kind::Sequence},     {"String", Action::Kind::String},
    {"VTFunction", Action::Kind::VtFunction}, {"Nothing", Action::Kind::Nothing},
};

void ConvertMacro(CQIConverter& converter, Action& action, const ActionChoices& choices)
{
    action.id = ACTION_ID_MACRO;
    std::string text;
    bool isMacroFile = false;
    converter.ResolveMacroReference(action.operand, text, isMacroFile);
    std::string macroText = text;
    const char* whenMissing = choices.abandonWhenMacroFileMissing
                                  ? "The binding is left out"
                                  : "The binding keeps the macro's QIM! name, without a translated macro";
    const std::string& binding = choices.binding.empty() ? choices.nameHint : choices.binding;
    if (isMacroFile && !ReadMacroFile(converter, binding, text, whenMissing, macroText)) {
        if (choices.abandonWhenMacroFileMissing)
            return; // skipped, not reported
        macroText.clear();
    }
    if (macroText.empty()) {
        action.text = choices.keepOperandWithoutMacroText ? action.operand : std::string();
        action.outcome = Action::Outcome::Converted;
        return;
    }
    CQIMacroContext context(converter.m_macroDirectory);
    if (!context.TranslateMacro(macroText, choices.nameHint.c_str(), action.text)) {
        action.text.clear();
        converter.ReportProperty(action.operand, choices.macroFailureReport);
        action.outcome = Action::Outcome::Failed;
        return;
    }
    action.macroTranslated = true;
    action.outcome = Action::Outcome::Converted;
}

} // namespace

Action ConvertAction(CQIConverter& converter, const std::string& kind, const std::string& operand,
                     const ActionChoices& choices)
{
    Action action;
    std::string kindName;
    if (!converter.Unquote(kind, kindName))
        kindName.clear();
    for (const KindName& entry : kKinds)
        if (EqualsNoCase(kindName, entry.name)) {
            action.kind = entry.kind;
            break;
        }
    if (action.kind == Action::Kind::VtFunction && !choices.acceptVtFunction)
        action.kind = Action::Kind::Other;

    std::string decoded;
    switch (action.kind) {
    case Action::Kind::Macro:
        if (!converter.Unquote(operand, action.operand))
            action.operand.clear();
        ConvertMacro(converter, action, choices);
        return action;
    case Action::Kind::Command:
        converter.DecodeString(operand, decoded);
        RemoveChar(decoded, '&');
        action.id = CommandIdFromName(decoded);
        action.text = decoded;
        break;
    case Action::Kind::Sequence:
    case Action::Kind::String:
        converter.DecodeString(operand, decoded);
        ConvertGuillemets(decoded);
        action.id = ACTION_ID_TEXT;
        action.text = decoded;
        break;
    case Action::Kind::VtFunction:
        converter.DecodeString(operand, decoded);
        action.id = ACTION_ID_TEXT;
        action.text = "<" + decoded + ">";
        break;
    case Action::Kind::Nothing:
        action.usesOperand = false;
        action.id = 0;
        break;
    case Action::Kind::Other:
        if (choices.reportUnknownKind)
            converter.ReportProperty("Value=" + kindName, CQIConverter::kUnconverted);
        return action;
    }
    action.outcome = Action::Outcome::Converted;
    return action;
}

bool FindBinding(const PropertyList& properties, std::size_t& position, std::string_view name)
{
    while (position < properties.size() && !EqualsNoCase(properties[position], name))
        ++position;
    if (position < properties.size())
        return true;
    ++position;
    return false;
}

void BindingKind::Read(CQIConverter& converter, const std::string& value)
{
    if (converter.Unquote(value, m_name))
        m_token = value;
}
