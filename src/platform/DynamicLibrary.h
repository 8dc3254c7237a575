#pragma once
// Libraries loaded at run time.
#include <string>

namespace platform {

using LibraryHandle = void*;

LibraryHandle LoadLibraryFile(const std::string& path); // nullptr when it cannot be loaded
void* FindSymbol(LibraryHandle library, const char* name);
void FreeLibraryHandle(LibraryHandle library);

} // namespace platform
