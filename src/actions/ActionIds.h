#pragma once
// TORQA! action identifiers, and the small text operations every device converter uses on actions.
#include <cstdint>
#include <string>

constexpr std::uint16_t ACTION_ID_TEXT = 40000;      // sends the action text
constexpr std::uint16_t ACTION_ID_MACRO = 40010;     // runs the macro the action text names
constexpr std::uint16_t COMMAND_ID_UNMAPPED = 40240; // a QIM! command TORQA! has no counterpart for

// The TORQA! command for a QIM! menu-command name, matched exactly; COMMAND_ID_UNMAPPED otherwise.
std::uint16_t CommandIdFromName(const std::string& name);
void RemoveChar(std::string& text, char ch);
// The key-name brackets of key sequences, 0xAB and 0xBB, become "<" and ">".
void ConvertGuillemets(std::string& text);
