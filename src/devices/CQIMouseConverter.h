#pragma once
// Converts the "Mouse" statement, the actions bound to mouse button events, into keys of the
// TORQA! session file: three keys per event, named after the event, in section "Session".
#include "converters/CQIConverter.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CQIMouseConverter : public CQIConverter {
public:
    CQIMouseConverter() = default;
    ~CQIMouseConverter() override = default;

    // Writes every binding it can; the answer is always false.
    bool Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory) override;

    // Reads the binding at or after position and moves position past it; true when it gave keys to
    // write.
    bool ReadNextMouseBinding(const PropertyList& properties, std::size_t& position, std::int32_t& actionId,
                              std::string& value, std::string& eventCode, std::string& actionCode);
};
