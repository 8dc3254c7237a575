#pragma once
// The reader beside the custom menu document's writer: the one-line document as an indented tree,
// one element a line with its attributes (references decoded; control characters and bytes beyond
// ASCII shown as escapes), or a message saying what is wrong and at which byte.
#include <string>

bool DumpMenuDocument(const std::string& bytes, std::string& text, std::string& error);
