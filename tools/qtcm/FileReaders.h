#pragma once
// qtcm inspect: a file the migration wrote, shown as text. Each binary format's reader lives beside
// its writer in the library's sources; this only picks the reader by the file's extension.
#include <string>

// A reader: the whole file's bytes in, its fields as text out; false with a message (what is wrong
// and where) when the bytes are not such a file or are cut short.
using DumpFunction = bool (*)(const std::string& bytes, std::string& text, std::string& error);

struct Inspector {
    const char* extension; // with its dot, compared ignoring case
    const char* what;      // "key map", for messages
    DumpFunction dump;
};

// The reader of a file, by its extension; nullptr when there is none.
const Inspector* InspectorFor(const std::string& path);

// Prints the file as text; the exit status for the host (0 shown, 1 not such a file, 2 unusable).
int InspectFile(const std::string& path);
