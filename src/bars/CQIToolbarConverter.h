#pragma once
// Converts the "ToolbarMapping" statement into a TORQA! toolbar file (".ttb") beside the session:
// every button with its action, tooltip, positions and four images. Attaches the file to the
// session and carries the large-buttons and tooltips options over into it.
#include "bars/CQIBarConverter.h"

#include <cstdint>
#include <string>

class CQIToolbarConverter : public CQIBarConverter {
public:
    struct Button {
        bool isSeparator = false;
        std::int32_t imageNumber = 0; // atoi of the "Bitmap" value
        std::uint16_t actionId = 0;
        std::string tooltip;
        std::string value;
    };

    bool Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory) override;

    // Every "Mapto" of the statement: separators and buttons.
    void CountToolbarItems(const PropertyList& properties, unsigned& separators, unsigned& buttons);
    // The next item from position on. False when there is none, or when the button there is left
    // out (its macro cannot be translated); position then stands on its operand.
    bool ReadNextToolbarButton(const PropertyList& properties, std::size_t& position, Button& button);
    bool WriteToolbar(const PropertyList& properties, const std::string& toolbarPath);
};
