#pragma once
// The TORQA! custom menu document: one line of markup, <CustomMenu ...><Menu> the entries </Menu>
// one SystemMenu element </CustomMenu>. The menu converter writes it from these pieces; the reader
// and the text dump (qtcm inspect) read it back as a tree.
#include "formats/ReadResult.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace formats::menu {

// The start tag of the document with its three attributes.
std::string DocumentStart();
constexpr char kMenuOpen[] = "<Menu>";
constexpr char kMenuClose[] = "</Menu>";
constexpr char kSystemMenuStart[] = "<SystemMenu ";
constexpr char kSubmenuStart[] = "<Submenu ";
constexpr char kCommandStart[] = "<Command ";
constexpr char kSequenceStart[] = "<Sequence ";
constexpr char kMacroStart[] = "<Macro ";
constexpr char kSeparatorStart[] = "<Separator ";
constexpr char kEmptyElementEnd[] = " />";
constexpr char kDocumentEnd[] = "</CustomMenu>";
// The system menu of a statement that names none: every entry shown.
constexpr char kDefaultSystemMenu[] =
    "<SystemMenu Restore=\"True\" Move=\"True\" Size=\"True\" Minimize=\"True\" Maximize=\"True\" "
    "ShowMenuBar=\"True\" Close=\"True\"  />";

// name="value" and one blank: every attribute, the last one too, ends with a blank.
void AppendAttribute(std::string& text, std::string_view name, std::string_view value);
// "&", "<", ">", "'" and the double quote as references, in that order.
std::string EscapeMarkup(std::string_view text);

struct Element {
    std::size_t depth = 0; // 0 for the root
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes; // values with references decoded
};

// The elements in document order. The writer leaves some values unescaped (a key sequence's key
// names, separator, system-menu and macro file values), so a "<" or ">" inside a value and a "&"
// that starts no known reference are taken as they stand.
ReadResult ReadMenuDocument(std::string_view bytes, std::vector<Element>& elements);
// One element a line, indented by its depth, with its attributes.
ReadResult DumpMenuDocument(std::string_view bytes, std::string& text);

} // namespace formats::menu
