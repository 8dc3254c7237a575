#pragma once
// The files a command works on, and what is wrong with those it cannot use.
#include <functional>
#include <string>
#include <vector>

// Empty when path names a file that can be opened for reading; else why not: not found (and which
// folder is missing), a folder, not a regular file, or cannot be read (and why).
std::string UnreadableReason(const std::string& path);

// Why a readable file is not a QIM! session file, judged as the library judges it: a first line
// with "// Version QIM!" and a second with CaptureSetup( FileName="QIMVT.TXT". Empty when it is.
std::string NotSessionReason(const std::string& path);

// Why a translation run refuses the file at once: it must begin with "// Version QIM! " and be at
// least a header's length. Empty when it does not refuse it for that.
std::string NotTranslatableReason(const std::string& path);

struct SourceList {
    std::vector<std::string> files;    // in the order given; a folder's files sorted by path
    std::vector<std::string> warnings; // folders that hold no session file or could not be walked
};

// Each operand that is a folder stands for the files in it and its subfolders that accept takes;
// every other operand is taken as it is.
SourceList CollectSources(const std::vector<std::string>& operands,
                          const std::function<bool(const std::string&)>& accept);
