#pragma once
// qtcm inspect: a file the migration wrote, shown as text. Each format's dump lives beside its
// writer and its reader in src/formats; this only picks the dump by the file's extension.
#include "formats/ReadResult.h"

#include <string>
#include <string_view>

// A reader's text dump: the whole file's bytes in, its fields as text out; a refusal says what is
// wrong and at which byte.
struct Inspector {
    const char* extension; // with its dot, compared ignoring case
    const char* what;      // "key map", for messages
    formats::ReadResult (*dump)(std::string_view bytes, std::string& text);
};

// The reader of a file, by its extension; nullptr when there is none.
const Inspector* InspectorFor(const std::string& path);

// Prints the file as text; the exit status for the host (0 shown, 1 not such a file, 2 unusable).
int InspectFile(const std::string& path);
