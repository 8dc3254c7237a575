#pragma once
// Paths handed to the library come with Windows' rules (backslashes, drive letters, names in any
// case); every posix backend that touches the file system goes through NativePath, which finds
// the file a Windows file system would (WindowsNames.cpp).
#include "platform/Files.h"

#include <string>

namespace platform {

std::string NativePath(const std::string& path);

// What the backends tell the name look-up of the entries they add (or replace) and remove, so that
// the folder listings it keeps stay true.
void NoteEntryAdded(const std::string& native);
void NoteEntryRemoved(const std::string& native);

// The exported call under way (a FolderListings lives), a number no other call of this process
// has; 0 outside a call. The registry's files are checked once per call by it.
unsigned long CurrentCall();

// What an errno value means to the user.
FileError::Cause CauseOfErrno(int code);

} // namespace platform
