// Names of the single-value statements of a source session file (name=value
// without parentheses). Their indices are the property indices of group 0 in
// the property map.
#include "converters/NameTables.h"

const char* const StatementNames[14] = {
    "",                                // 0
    "AutoConnect",                     // 1
    "Buttons",                         // 2
    "Fonts",                           // 3
    "HorizontalScrollBar",             // 4
    "Languages",                       // 5
    "Local",                           // 6
    "Menu",                            // 7
    "PageButtons",                     // 8
    "StatusBar",                       // 9
    "ToolBar",                         // 10
    "VerticalScrollBar",               // 11
    "VTKeyboard",                      // 12
    "VTStatusLine",                    // 13
};
