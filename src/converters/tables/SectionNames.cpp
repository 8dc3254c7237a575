// Section names of the target session file, written exactly as spelled here.
#include "converters/NameTables.h"

const char* const SectionNames[15] = {
    "",                                // 0
    "Color Scheme",                    // 1
    "Connection",                      // 2
    "Document ID",                     // 3
    "Edit Scheme",                     // 4
    "File Transfer",                   // 5
    "FT Settings Scheme",              // 6
    "HotSpots Globals",                // 7
    "HotSpots Scheme",                 // 8
    "QuickBar",                        // 9
    "QuickBar1",                       // 10
    "QuickPad",                        // 11
    "QuickPad1",                       // 12
    "Session",                         // 13
    "Terminal",                        // 14
};
