// Group names of the source session file statements; the index is the group
// index of the property map.
#include "converters/NameTables.h"

const char* const GroupNames[55] = {
    "",                                // 0
    "ButtonPad",                       // 1
    "CaptureSetup",                    // 2
    "Communications",                  // 3
    "Communications.Proxies",          // 4
    "Communications.Setup",            // 5
    "Communications.Setup.Advanced",   // 6
    "Communications.Setup.Advanced.SpecialCharacters", // 7
    "CommunicationsPorts",             // 8
    "CustomPrimaryDA",                 // 9
    "CustomSecondaryDA",               // 10
    "Display",                         // 11
    "Display.Attributes",              // 12
    "Display.Colors",                  // 13
    "Display.Tabs",                    // 14
    "FileTransfer",                    // 15
    "FileTransfer.ASCIIOptions",       // 16
    "FileTransfer.FTPOptions",         // 17
    "FileTransfer.KermitOptions",      // 18
    "FileTransfer.KermitOptions.Advanced", // 19
    "FileTransfer.TextFileOptions",    // 20
    "FileTransfer.XmodemOptions",      // 21
    "FileTransfer.YModemOptions",      // 22
    "FileTransfer.ZmodemOptions",      // 23
    "FileTransferProtocols",           // 24
    "Fontsize",                        // 25
    "General",                         // 26
    "Graphics",                        // 27
    "History",                         // 28
    "InformationAboutRecording",       // 29
    "InverseScreen",                   // 30
    "Keyboard",                        // 31
    "Keyboard.Mapping",                // 32
    "Keyboard.UDKs",                   // 33
    "Keyboard.Value",                  // 34
    "Links",                           // 35
    "LocalEdit",                       // 36
    "LockUserKeys",                    // 37
    "MacroOptions",                    // 38
    "Menus",                           // 39
    "Mouse",                           // 40
    "NewFonts",                        // 41
    "Page",                            // 42
    "Printer",                         // 43
    "PrinterName",                     // 44
    "Show",                            // 45
    "SystemMenu",                      // 46
    "Terminal",                        // 47
    "TerminalModes",                   // 48
    "Terminator",                      // 49
    "ToolbarMapping",                  // 50
    "Translation",                     // 51
    "UseEuroforinternationalcurrencysymbol", // 52
    "UserPreferredCharacterSet",       // 53
    "ViewInfo",                        // 54
};
