#pragma once
// Converts every statement without a converter of its own (terminal, display, keyboard,
// communications, file transfer, printing, history, window, language), the single-value
// statements, and statements of groups nobody knows (which it reports).
#include "converters/CQIConverter.h"

class CQISessionConverter : public CQIConverter {
public:
    bool Convert(const PropertyList& properties, const char* outputSessionPath, const char* schemeDirectory) override;
    int TranslateValue(int kind, const std::string& source, std::string& out, const char* targetFile) override;

    // A file name of the source session placed beside the target session file.
    bool RelocatePath(const std::string& source, std::string& out, const char* targetFile);
    // The keyboard layout of the last Keyboard statement, for the keyboard map converter.
    const std::string& GetKeyboardLayout() const { return m_keyboardLayout; }

private:
    bool ConvertSingleValue(const PropertyList& properties, const char* targetFile);
    bool ConvertGroup(const PropertyList& properties, const char* targetFile);
    // Translates the startup macro named by value t; false gives up the statement. Defined with the
    // macro conversions (actions/StartupMacro.cpp).
    bool ConvertStartupMacro(std::string& t);

    std::string m_keyboardLayout;
};
