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

// Why qtcm check refuses a file, or "" when it is a QIM! session file: it cannot be used (see
// UnreadableReason), or the library does not recognise it (isSession answers that, asked only of
// files that can be read) and NotSessionReason says why.
std::string RefusalOf(const std::string& path, const std::function<bool(const std::string&)>& isSession);

struct Source {
    std::string path;
    std::string refusal; // why check refuses it; "" for a QIM! session file
    bool named = false;  // named on the command line, not found in a folder
    // What migrate translates: every session file, and every file named on the command line (the
    // library checks only the header; a refusal is a warning then). A file found in a folder that
    // check refuses is left out, and said so.
    bool Taken() const { return named || refusal.empty(); }
};

struct SourceList {
    std::vector<Source> sources;       // in the order given; a folder's entries sorted by path
    std::vector<std::string> warnings; // folders that hold no session file
};

// Each operand that is a folder stands for every entry in it and its subfolders, each with check's
// verdict (a subfolder that cannot be read is one entry, refused); every other operand is taken as
// it is. migrate and check walk alike.
SourceList CollectSources(const std::vector<std::string>& operands,
                          const std::function<bool(const std::string&)>& isSession);
