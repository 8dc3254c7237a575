#include "actions/ActionIds.h"

namespace {

struct Command {
    const char* name;
    std::uint16_t id;
};

constexpr std::uint16_t kUnmapped = COMMAND_ID_UNMAPPED;

// The QIM! menu commands in their order; several share one TORQA! command.
constexpr Command kCommands[71] = {
    {"New Session...", 0xE100},
    {"Open Session", 0xE101},
    {"Save Session", 0x80AC},
    {"Save Session As", 0x80AD},
    {"Next Session", 0x8359},
    {"Open Layout", 0x8015},
    {"Save Layout", 0x80B5},
    {"Session Properties", 0x80C1},
    {"Print", 0xE107},
    {"Finish Printing", 0x80E9},
    {"Print Options", 0xE106},
    {"Printer Setup...", 0xE106},
    {"Close Session", 0xE141},
    {"Exit All", 0x80B2},
    {"Copy", 0xE122},
    {"Copy Special", kUnmapped},
    {"Paste", 0xE125},
    {"About QIM!...", 0xE140},
    {"Clear Display", 0x8341},
    {"Clear History", 0x80DC},
    {"Links", kUnmapped},
    {"Enlarge Font", kUnmapped},
    {"Reduce Font", kUnmapped},
    {"Hold Screen", 0x9D01},
    {"Show Toolbar", 0x84D9},
    {"Show Smartpad", 0x80BE},
    {"Show Keyboard", 0x80C0},
    {"Show Status Bar", 0xE801},
    {"Show Terminal Status Line", 0xC360},
    {"Show Vertical Scroll Bar", kUnmapped},
    {"Show Horizontal Scroll Bar", kUnmapped},
    {"Show Page Buttons", kUnmapped},
    {"Send File To Host", 0x835A},
    {"Receive File From Host", 0x835A},
    {"File Shuttle...", 0x835A},
    {"File Transfer Command Line", kUnmapped},
    {"File Transfer Log", kUnmapped},
    {"File Transfer Options", 0x84D4},
    {"Connect/Disconnect Session", 0x8048},
    {"Clear Communications", kUnmapped},
    {"Reset Session", 0x80DF},
    {"Phone Directory...", kUnmapped},
    {"Capture Incoming Data", 0x8381},
    {"End Capture", 0x8382},
    {"Replay Captured Data", kUnmapped},
    {"Record Macro", 0x8356},
    {"End Macro Recording", kUnmapped},
    {"Pause Macro Recording", kUnmapped},
    {"Cancel Macro Recording", kUnmapped},
    {"Insert Waiting Period", kUnmapped},
    {"Insert Prompt", kUnmapped},
    {"Cancel", 0x835C},
    {"Run Macro", 0x80C7},
    {"Edit Macro", 0x8355},
    {"Macro Options", 0x84D7},
    {"Terminal Options", 0x84D2},
    {"Local", kUnmapped},
    {"History Options", 0x84D2},
    {"Enable History", kUnmapped},
    {"Connection Options", 0x84D1},
    {"Keyboard Options", 0x80C0},
    {"Menu Options", 0xC350},
    {"Mouse Options", kUnmapped},
    {"Smartpad Options", 0x80BE},
    {"Toolbar Options", 0xE800},
    {"Color Options", 0x84D0},
    {"Display Options", 0x84D2},
    {"Graphics Options", 0x84D2},
    {"Exit Settings", 0x80E2},
    {"Help Contents", 0xE142},
    {"Korvanesta on the Web", 0xE708},
};

} // namespace

std::uint16_t CommandIdFromName(const std::string& name)
{
    for (const Command& command : kCommands)
        if (name == command.name)
            return command.id;
    return COMMAND_ID_UNMAPPED;
}

void RemoveChar(std::string& text, char ch)
{
    std::string kept;
    for (const char c : text)
        if (c != ch)
            kept.push_back(c);
    text.swap(kept);
}

void ConvertGuillemets(std::string& text)
{
    for (char& c : text) {
        if (static_cast<unsigned char>(c) == 0xAB)
            c = '<';
        else if (static_cast<unsigned char>(c) == 0xBB)
            c = '>';
    }
}
