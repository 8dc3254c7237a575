#pragma once
// Converts the "ButtonPad" statement (an on-screen pad of labelled buttons, each bound to an
// action) into a TORQA! QuickPad file (".tqp") beside the session, attached to it by three keys.
#include "bars/CQIBarConverter.h"

#include <cstdint>
#include <string>

class CQIQuickPadConverter : public CQIBarConverter {
public:
    struct PadLayout {
        std::int32_t rows = -1;
        std::int32_t columns = -1;
        std::int32_t buttonWidth = -1; // in characters
        bool columnMajor = true;       // buttons fill the pad column by column
    };

    // False when there is no pad to write (no column, or no button); a file error is shown.
    bool Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory) override;

    // The pad's layout with its defaults; false when the pad has no column.
    bool ReadPadLayout(const PropertyList& properties, PadLayout& layout);
    // The next button from position on: its caption without "&", its action identifier and text.
    // False when there is none, or when its macro could not be translated (the pad ends there).
    bool ReadNextButton(const PropertyList& properties, std::size_t& position, std::string& caption,
                        std::uint16_t& actionId, std::string& value);
    bool WriteQuickPad(const PropertyList& properties, const std::string& padPath);
};
