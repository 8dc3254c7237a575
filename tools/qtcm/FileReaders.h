#pragma once
// qtcm inspect: a file the migration wrote, shown as text. Each format's dump lives beside its
// writer and its reader in src/formats; this only picks the dump by the file's extension.
#include <string>

// Prints the file as text; the exit status for the host (0 shown, 1 not such a file, 2 unusable).
int InspectFile(const std::string& path);
