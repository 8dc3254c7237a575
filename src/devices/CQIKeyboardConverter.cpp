#include "devices/CQIKeyboardConverter.h"

#include "actions/ActionConversion.h"
#include "devices/KeyNames.h"
#include "platform/AsciiCase.h"
#include "platform/Files.h"

namespace {

// Layouts of the VT-style keyboards; every other layout is a PC keyboard.
constexpr const char* kVtLayouts[] = {"LK250", "LK450", "LK411/LK412"};
constexpr std::uint16_t kVtKeyboard = 14;
constexpr std::uint16_t kPcKeyboard = 1;

struct ModelName {
    const char* classPart; // found anywhere in the class name of QIM! session files
    const char* model;
    const char* library;
};
constexpr ModelName kModels[] = {
    {"QT340", "340", "VT340.DLL"},
    {"QT420", "420", "VT420.DLL"},
    {"QT700/98", "HP", "HP.DLL"},
};

// A text's length must fit its 16-bit count in the record.
constexpr std::size_t kMaxText = 0xFFFF;

} // namespace

CQIKeyboardConverter::CQIKeyboardConverter(const std::string& keyboardLayout) : m_keyboardType(kPcKeyboard)
{
    for (const char* layout : kVtLayouts)
        if (EqualsNoCase(keyboardLayout, layout))
            m_keyboardType = kVtKeyboard;
}

bool CQIKeyboardConverter::Convert(const PropertyList& properties, const char* outputSessionPath,
                                   const char* schemeDirectory)
{
    std::string name;
    if (!SatelliteName(outputSessionPath, name) ||
        !WriteKeyMap(properties, SatellitePath(schemeDirectory, name, ".tkm")))
        return false;
    WriteProfile("Session", "PrimaryKeyMap", name + ".tkm", outputSessionPath);
    WriteProfile("Session", "KeyMap", name + ".tkm", outputSessionPath);
    return true;
}

void CQIKeyboardConverter::TerminalModel(std::string& model, std::string& library) const
{
    std::string className;
    if (!m_utility.GetLocation(CQIUtility::kVtClassName, className) || className.empty())
        if (!m_utility.GetLocation(CQIUtility::kHpClassName, className))
            className.clear();
    if (className.empty()) {
        model = m_terminalModel == 420 ? "420" : "340";
        library = m_terminalModel == 420 ? "VT420.DLL" : "VT340.DLL";
        return;
    }
    for (const ModelName& row : kModels)
        if (className.find(row.classPart) != std::string::npos) {
            model = row.model;
            library = row.library;
            return;
        }
    model = className;
    library.clear();
}

bool CQIKeyboardConverter::WriteKeyMap(const PropertyList& properties, const std::string& keyMapPath)
{
    // The map is made only when a binding gives something to write. Bindings before the first such
    // one are passed over like any binding that gives nothing, so that a leading "Nothing" or an
    // unreadable macro does not lose the rest of the user's keys.
    formats::KeyMap map;
    map.keyboardType = m_keyboardType;
    std::size_t position = 0;
    while (position < properties.size()) {
        formats::KeyBinding binding;
        if (ReadNextBinding(properties, position, binding.text, binding.description, binding.record))
            map.bindings.push_back(std::move(binding));
    }
    if (map.bindings.empty())
        return false;
    TerminalModel(map.model, map.library);
    return platform::SaveOutputFile(keyMapPath, formats::KeyMapBytes(map));
}

bool CQIKeyboardConverter::ReadNextBinding(const PropertyList& properties, std::size_t& position,
                                           std::string& actionText, std::string& description, formats::KeyRecord& record)
{
    actionText.clear();
    description.clear();
    // A binding is "PCKey", the key, two properties whose names are not looked at (the kind's and
    // the operand's), each with its value. The key name, like the kind, keeps the last value
    // Unquote accepted within this call.
    std::string keyName;
    BindingKind kind;
    while (FindBinding(properties, position, "PCKey")) {
        Unquote(ValueAt(properties, position + 1), keyName);
        ParseKeyName(keyName, record);
        kind.Read(*this, ValueAt(properties, position + 3));
        position += 4; // the property name of the operand
        const std::size_t operand = position + 1;

        ActionChoices choices;
        choices.nameHint = keyName;
        choices.keepOperandWithoutMacroText = false;
        // Whatever stands there is the operand, the next binding's "PCKey" or key included.
        const Action action = ConvertAction(*this, kind.Token(), ValueAt(properties, operand), choices);
        if (action.kind == Action::Kind::Other)
            continue; // reported; the search goes on from the operand's property name
        if (action.outcome != Action::Outcome::Converted) {
            position = operand; // a macro left out ends the call on its operand
            return false;
        }
        if (action.usesOperand)
            position = operand + 1;

        record.actionId = action.id;
        switch (action.kind) {
        case Action::Kind::Macro:
            actionText = action.text;
            description = "Run Macro <" + (action.text.empty() ? action.operand : action.text) + ">";
            break;
        case Action::Kind::Command:
            description = action.text;
            break;
        default:
            actionText = action.text;
            break;
        }
        if (actionText.size() > kMaxText || description.size() > kMaxText) {
            // Longer than a key map can hold: reported rather than cut.
            ReportProperty("PCKey=" + keyName, kUnconverted);
            actionText.clear();
            description.clear();
            return false;
        }
        return !actionText.empty() || !description.empty();
    }
    return false;
}
