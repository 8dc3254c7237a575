#pragma once
// What a reader of one of our file formats answers: whether the bytes are such a file, and when
// they are not, what went wrong, at which byte, and which field it was. Tests and fuzzers look at
// the status and the offset; the description is for the person reading qtcm's message.
#include <cstddef>
#include <string>

namespace formats {

enum class ReadStatus {
    Ok,
    Truncated,       // the bytes end inside a field
    NotThisFormat,   // the magic or the first tag is another file's
    UnknownVersion,  // the version byte is one this reader does not know
    UnexpectedValue, // a field that the layout fixes holds another value
    Malformed,       // text that breaks the document's syntax
};

struct ReadResult {
    ReadStatus status = ReadStatus::Ok;
    std::size_t offset = 0; // where the field that failed starts
    std::string what;       // a few words naming the field and the fault

    explicit operator bool() const { return status == ReadStatus::Ok; }
    // "at byte N: what", for messages.
    std::string Describe() const { return "at byte " + std::to_string(offset) + ": " + what; }
};

} // namespace formats
