#include "platform/DynamicLibrary.h"

#include "platform/posix/NativePath.h"

#include <dlfcn.h>

namespace platform {

LibraryHandle LoadLibraryFile(const std::string& path)
{
    return ::dlopen(NativePath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindSymbol(LibraryHandle library, const char* name) { return library ? ::dlsym(library, name) : nullptr; }

void FreeLibraryHandle(LibraryHandle library)
{
    if (library)
        ::dlclose(library);
}

} // namespace platform
