#pragma once
// Converts the "Keyboard.Mapping" statement, the user's PC key bindings, into a TORQA! key map: a
// binary ".tkm" file in the scheme directory named after the session file, which the session file
// then points to.
#include "converters/CQIConverter.h"
#include "formats/KeyMap.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CQIKeyboardConverter : public CQIConverter {
public:
    // The keyboard layout the session named ("LK450", "Enhanced", ...) fixes the keyboard type.
    explicit CQIKeyboardConverter(const std::string& keyboardLayout);
    ~CQIKeyboardConverter() override = default;

    // True when the key map was written and the session file points to it.
    bool Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory) override;

    // Writes the map when a binding gives something to write; a file error is shown.
    bool WriteKeyMap(const PropertyList& properties, const std::string& keyMapPath);
    // Reads the binding at or after position into the three outputs and moves position past it (onto
    // its operand when its macro is left out); true when it gave an action text or a description.
    bool ReadNextBinding(const PropertyList& properties, std::size_t& position, std::string& actionText,
                         std::string& description, formats::KeyRecord& record);

    // 14 for the VT-style layouts, else 1.
    std::uint16_t KeyboardType() const { return m_keyboardType; }
    // The terminal model text and the emulation library name the key map is made for.
    void TerminalModel(std::string& model, std::string& library) const;

private:
    std::uint16_t m_keyboardType;
};
