#pragma once
// qtcm inspect FILE.TDP: a TORQA! session file, an INI file, shown section by section.
#include "formats/ReadResult.h"

#include <string>
#include <string_view>

// Each section with its values, the names in a column; refused for bytes that are not text (a zero
// byte: Malformed at it) or hold no section (Malformed at byte 0), as the file formats' dumps are.
formats::ReadResult DumpSessionFile(std::string_view bytes, std::string& text);
