#include "platform/DynamicLibrary.h"

#include <windows.h>

namespace platform {

LibraryHandle LoadLibraryFile(const std::string& path) { return reinterpret_cast<LibraryHandle>(::LoadLibraryA(path.c_str())); }

void* FindSymbol(LibraryHandle library, const char* name)
{
    return library ? reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name)) : nullptr;
}

void FreeLibraryHandle(LibraryHandle library)
{
    if (library)
        ::FreeLibrary(static_cast<HMODULE>(library));
}

} // namespace platform
