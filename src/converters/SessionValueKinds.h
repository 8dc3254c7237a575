#pragma once
// The value kinds of the session converter that are look-ups: a source value (compared ignoring
// case; quoted ones with their quotes) gives a target value, and each kind says what becomes of any
// other source value.
#include <cstddef>

enum class OtherValue {
    Refused,  // cannot be converted (a report line)
    Unquoted, // taken as it is, without its quotes
    Skipped,  // nothing is written, nothing reported
};

struct ValueChoice {
    int kind;
    const char* source;
    const char* target; // nullptr: this source value is refused
};

// Whether kind is a look-up kind, and what other values become.
bool FindChoiceKind(int kind, OtherValue& other);
// The choice of kind for source, or nullptr.
const ValueChoice* FindChoice(int kind, const char* source);
