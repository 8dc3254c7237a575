#include "Library.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

std::string FolderOf(const std::string& path)
{
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

void* OpenLibrary(const std::string& path)
{
#ifdef _WIN32
    return reinterpret_cast<void*>(::LoadLibraryA(path.c_str()));
#else
    return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

void* Symbol(void* library, const char* name)
{
#ifdef _WIN32
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
#else
    return ::dlsym(library, name);
#endif
}

template <typename F>
bool Bind(void* library, const char* name, F& function, std::string& message)
{
    function = reinterpret_cast<F>(Symbol(library, name));
    if (!function)
        message = std::string("the library has no export ") + name;
    return function != nullptr;
}

} // namespace

bool QtcmLibrary::Load(const std::string& hostPath, std::string& message)
{
    const std::string name = QTCM_LIBRARY_NAME;
    void* library = OpenLibrary(FolderOf(hostPath) + name);
    if (!library)
        library = OpenLibrary(name);
    if (!library) {
        message = "cannot load " + name;
        return false;
    }
    return Bind(library, "KorvanestaTranslatorInitialize", initialize, message) &&
           Bind(library, "KorvanestaTranslatorDirectories", directories, message) &&
           Bind(library, "KorvanestaTranslatorSetDirPath", setDirPath, message) &&
           Bind(library, "KorvanestaTranslatorIsValidFile", isValidFile, message) &&
           Bind(library, "KorvanestaTranslatorDoTranslate", doTranslate, message) &&
           Bind(library, "QTCmSetNoticeHandler", setNoticeHandler, message);
}
