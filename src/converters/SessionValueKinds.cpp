#include "converters/SessionValueKinds.h"

#include "platform/AsciiCase.h"

namespace {

struct ChoiceKind {
    int kind;
    OtherValue other;
};

constexpr ChoiceKind kChoiceKinds[] = {
    {1, OtherValue::Refused},   {3, OtherValue::Refused},   {6, OtherValue::Refused},   {8, OtherValue::Refused},
    {10, OtherValue::Unquoted}, {12, OtherValue::Refused},  {13, OtherValue::Unquoted}, {17, OtherValue::Unquoted},
    {18, OtherValue::Refused},  {19, OtherValue::Refused},  {20, OtherValue::Refused},  {21, OtherValue::Refused},
    {22, OtherValue::Unquoted}, {23, OtherValue::Refused},  {25, OtherValue::Skipped},  {26, OtherValue::Skipped},
    {27, OtherValue::Skipped},
};

constexpr ValueChoice kValueChoices[] = {
    // action on host disconnect
    {1, "\"Leavedisconnected\"", "FALSE"},
    {1, "\"Promptforreconnection\"", "FALSE"},
    {1, "\"Exitsessionautomatically\"", "FALSE"},
    {1, "\"Reconnectautomatically\"", "TRUE"},
    // Kermit block check
    {3, "\"Sum\"", "SUM1"},
    {3, "\"CRC\"", "CRC"},
    // data bits
    {6, "\"7\"", "0"},
    {6, "\"8\"", "1"},
    // modem disconnect delay
    {8, "\"60ms\"", "TRUE"},
    {8, "\"2sec\"", "TRUE"},
    {8, "\"Never\"", "FALSE"},
    // scroll mode: refused when disabled
    {10, "\"Disabled\"", nullptr},
    // file type
    {12, "\"Automatic\"", "0"},
    {12, "\"Binary\"", "1"},
    {12, "\"Text\"", "2"},
    // national character set
    {13, "\"N\"", "N. American"},
    // F3 key
    {17, "\"Setup\"", "Compose"},
    // carriage return pairing
    {18, "\"null\"", "FALSE"},
    {18, "\"LF\"", "TRUE"},
    // print job idle timer
    {19, "\"2secs\"", "2 Secs"},
    {19, "\"10secs\"", "10 Secs"},
    {19, "\"30secs\"", "30 Secs"},
    {19, "\"1min\"", "1 Min"},
    {19, "\"2min\"", "2 Min"},
    {19, "\"5min\"", "5 Min"},
    {19, "\"Manual\"", "Manual"},
    // booleans as digits
    {20, "False", "0"},
    {20, "True", "1"},
    // time between redials
    {21, "\"10secs\"", "10 Secs"},
    {21, "\"30secs\"", "30 Secs"},
    {21, "\"1min\"", "1 Min"},
    {21, "\"2min\"", "2 Min"},
    // device attributes response
    {22, "\"QIM!\"", "T!PC"},
    {22, "\"QIMterm\"", "T!PC"},
    // terminal type option
    {23, "\"All\"", "0"},
    {23, "\"Current\"", "1"},
    {23, "\"Custom\"", "2"},
    // proxy switches: the one switched on decides which proxy
    {25, "True", "0"},
    {26, "True", "2"},
    {27, "True", "1"},
};

} // namespace

bool FindChoiceKind(int kind, OtherValue& other)
{
    for (const ChoiceKind& entry : kChoiceKinds) {
        if (entry.kind == kind) {
            other = entry.other;
            return true;
        }
    }
    return false;
}

const ValueChoice* FindChoice(int kind, const char* source)
{
    for (const ValueChoice& choice : kValueChoices)
        if (choice.kind == kind && EqualsNoCase(source, choice.source))
            return &choice;
    return nullptr;
}
