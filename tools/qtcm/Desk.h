#pragma once
// The desk a command works on: the registry that describes the machine being migrated (or the
// bundled example), the library loaded beside the host, and the directories it found.
#include "Library.h"
#include "Options.h"

#include <string>
#include <vector>

// Makes the desk ready and the library initialised, with the directory options applied. 0 when
// ready; otherwise the exit status, after saying on stderr what is wrong and how to put it right.
int OpenDesk(const Options& options, const char* hostPath, QtcmLibrary& library);

// The notices the library showed since the last call.
std::vector<std::string> TakeNotices();

// The directory of index (0 to 3) as the library knows it; empty when unknown. The library hands
// back at most 259 bytes: a longer folder named on the command line comes from the options whole.
std::string Directory(const QtcmLibrary& library, const Options& options, unsigned index);

// Why directory index is unknown: what was looked for, and where, and the option that sets it.
std::string MissingDirectory(unsigned index);

// What the desk is made of, in a line: the registry files, the copied drive and its user.
std::string DeskDescription(const Options& options);

// Empty when the TORQA! installation path is known; else what was looked for.
std::string MissingInstallation();

// The report qtcm migrate appends to when --report names none.
std::string DefaultReport(const Options& options);
