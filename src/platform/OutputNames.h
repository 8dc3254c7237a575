#pragma once
// Free names for new files: the session file the translator creates, and the macros the macro
// translator writes. An existing file is never overwritten: a counter is added to the name, or
// counted up, while a file of that name exists.
#include <string>

namespace platform {

// directory + the source's name + extension, with a counter added to the name while such a file
// exists. Without an extension, directory is the full path to start from. Empty when no free
// name is found.
std::string BuildOutputPath(const char* sourcePath, const char* directory, const char* extension);
// Adds one to the decimal counter at the end of name (see the definition for the carry).
void IncrementNameCounter(std::string& name, bool& carry);

} // namespace platform
