#pragma once
// Our own keeper of INI files with the rules of the Windows profile functions: sections and keys
// match ignoring case and the first of equal ones counts; a replaced value stays on its line; a new
// key goes after the last key of its section and a new section at the end of the file; every other
// byte stays as it was; a line we add ends as the file's first line ends (a new file's lines end
// the platform's way). Reading trims the blanks around a value, drops one pair of enclosing quotes
// and cuts the value to the buffer. The posix profile backend is this; on Windows it is compared
// with the real functions.
//
// Outside a batch every write parses the file, edits it and replaces it at once. Inside a batch
// (from IniBeginBatch to the matching IniEndBatch) each file is parsed on its first use and kept:
// reads and writes go to that copy, and each edited file is written once when the batch ends or
// IniFlush is called. Files are always replaced whole (written beside the old one and renamed over
// it), so a failed write leaves the old file as it was; a write that fails at the end of a batch
// reaches the user as a file error notice.
#include <cstddef>
#include <string>

namespace platform {

std::string IniReadValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                         const std::string& path, std::size_t bufferSize);
// False when the file cannot be read, cannot be created (no such folder) or is read-only, or,
// outside a batch, when writing it failed.
bool IniWriteValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path);

void IniBeginBatch();
void IniEndBatch(); // the outermost end writes the edited files and forgets every copy
// Writes the edited files now and forgets their copies; the batch goes on. Files begun in this
// batch stay held until its end.
void IniFlush();
// Inside a batch: path names a file just created empty, whose first content this is; it is held
// like any other and written once, in place, when the batch ends (removed when that write fails).
// False outside a batch: the caller writes the content itself.
bool IniBeginNewFile(const std::string& path, const std::string& content);

} // namespace platform
