#pragma once
// The few things the host does differently on Windows and elsewhere, in one place.
#include <string>
#include <vector>

namespace host {

// True when stderr is a terminal (the progress bar is drawn only there).
bool StderrIsTerminal();

// Sets an environment variable unless it is set already (even to nothing).
void SetEnvironmentDefault(const char* name, const std::string& value);

// Sets an environment variable, replacing its value.
void SetEnvironment(const char* name, const std::string& value);

// True when the machine has a registry to read without any file: Windows' own.
bool HasSystemRegistry();

// The registry key under which the TORQA! services answer (the README's table), for messages;
// nullptr where the TORQA! services library answers itself.
const char* TorqaServicesKey();

// Makes the registry export files (in order of precedence) the registry the library reads, in
// front of those QTCM_REGISTRY lists. False with a message (file and line) when one of them cannot
// be read or is not a registry export, or when this system reads its own registry instead.
bool UseRegistryFiles(const std::vector<std::string>& files, std::string& error);

// Checks the hives of the copied Windows system drive that QTCM_WINDOWS_ROOT and QTCM_WINDOWS_USER
// name, as the library will read them. False with "file: what is wrong" when one cannot serve.
bool UseWindowsDisk(std::string& error);

} // namespace host
